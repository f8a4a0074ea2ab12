// The sheet of buttons, controls, pointing hands and the recorder remote.
#include "hojas.h"

#include <cmath>

namespace zp::generador {

namespace bv = recursos::bmpvario;

namespace {

const QColor GrisVentana(192, 192, 192);

// Bar button 1: two tiles and a green start arrow.
void IconoNueva(QPainter& p)
{
    p.save();
    p.translate(25, 24);
    p.rotate(-14);
    DibujarFichaLibre(p, QRectF(-15, -15, 15, 29), 6, 6, false);
    p.rotate(26);
    DibujarFichaLibre(p, QRectF(1, -13, 15, 29), 3, 5, false);
    p.restore();
    QPainterPath f;
    f.moveTo(29, 29);
    f.lineTo(42, 36);
    f.lineTo(29, 43);
    f.closeSubpath();
    p.setPen(QPen(QColor(10, 70, 20), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(29, 29, 29, 43);
    g.setColorAt(0, QColor(120, 230, 110));
    g.setColorAt(1, QColor(20, 140, 40));
    p.setBrush(g);
    p.drawPath(f);
}

void Engranaje(QPainter& p, QPointF c, double r, QColor color)
{
    QPainterPath rueda;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 45.0);
        QPainterPath diente;
        diente.addRect(QRectF(-r * 0.22, -r * 1.25, r * 0.44, r * 0.6));
        rueda = rueda.united(t.map(diente));
    }
    QPainterPath cuerpo;
    cuerpo.addEllipse(c, r, r);
    rueda = rueda.united(cuerpo);
    QPainterPath hueco;
    hueco.addEllipse(c, r * 0.4, r * 0.4);
    rueda = rueda.subtracted(hueco);
    p.setPen(QPen(color.darker(200), 1.0));
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.8);
    g.setColorAt(0, color.lighter(140));
    g.setColorAt(1, color.darker(120));
    p.setBrush(g);
    p.drawPath(rueda);
}

// Bar button 2: a player and a gear.
void IconoPersonalizar(QPainter& p)
{
    p.setPen(QPen(QColor(15, 40, 100), 1.2));
    QLinearGradient g(0, 8, 0, 42);
    g.setColorAt(0, QColor(90, 150, 240));
    g.setColorAt(1, QColor(30, 70, 170));
    p.setBrush(g);
    p.drawEllipse(QPointF(21, 16), 7.5, 7.5);
    QPainterPath torso;
    torso.moveTo(8, 41);
    torso.cubicTo(8, 27, 34, 27, 34, 41);
    torso.closeSubpath();
    p.drawPath(torso);
    Engranaje(p, QPointF(35, 33), 6.0, QColor(170, 172, 178));
}

// Bar button 3: an open book of rules.
void IconoNormas(QPainter& p)
{
    p.setPen(QPen(QColor(70, 30, 10), 1.2));
    p.setBrush(QColor(150, 60, 30));
    QPainterPath tapa;
    tapa.moveTo(6, 14);
    tapa.lineTo(25, 17);
    tapa.lineTo(44, 14);
    tapa.lineTo(44, 39);
    tapa.lineTo(25, 42);
    tapa.lineTo(6, 39);
    tapa.closeSubpath();
    p.drawPath(tapa);
    p.setPen(QPen(QColor(120, 110, 90), 0.8));
    p.setBrush(QColor(252, 248, 236));
    QPainterPath izq, der;
    izq.moveTo(8, 11);
    izq.cubicTo(14, 10, 20, 11, 25, 14);
    izq.lineTo(25, 39);
    izq.cubicTo(20, 36, 14, 36, 8, 36.5);
    izq.closeSubpath();
    der.moveTo(42, 11);
    der.cubicTo(36, 10, 30, 11, 25, 14);
    der.lineTo(25, 39);
    der.cubicTo(30, 36, 36, 36, 42, 36.5);
    der.closeSubpath();
    p.drawPath(izq);
    p.drawPath(der);
    p.setPen(QPen(QColor(60, 70, 110), 1.0));
    for (int i = 0; i < 6; ++i) {
        double y = 16.5 + i * 3.4;
        p.drawLine(QPointF(11, y), QPointF(22, y + 1.2));
        p.drawLine(QPointF(28, y + 1.2), QPointF(39, y));
    }
}

// Bar button 5: the notepad; its paper stays plain where the score is written.
void Libreta(QPainter& p, QRect r)
{
    BaseBoton(p, r);
    QRect hoja(r.x() + 3, r.y() + 3, 44, 44);
    p.fillRect(hoja.translated(1, 1), QColor(40, 46, 58));
    QLinearGradient g(hoja.topLeft(), hoja.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(1, QColor(240, 238, 228));
    p.fillRect(hoja, g);
    p.setPen(QColor(150, 150, 140));
    p.drawRect(hoja.adjusted(0, 0, -1, -1));
    // Spiral along the top.
    Antialias(p);
    for (int i = 0; i < 8; ++i) {
        double x = r.x() + 7 + i * 5.5;
        p.setPen(QPen(QColor(30, 30, 36), 1.0));
        p.setBrush(QColor(40, 46, 58));
        p.drawEllipse(QPointF(x + 1, r.y() + 4.6), 0.9, 0.9);
        p.setPen(QPen(QColor(200, 204, 212), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 1, r.y() + 0.8, 3.5, 7.0), 0, 180 * 16);
    }
}

void IconoInterrogacion(QPainter& p)
{
    QRadialGradient g(20, 18, 22);
    g.setColorAt(0, QColor(110, 170, 255));
    g.setColorAt(1, QColor(20, 60, 170));
    p.setPen(QPen(QColor(10, 30, 90), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(25, 25), 16, 16);
    Texto(p, QRectF(9, 8, 32, 34), QStringLiteral("?"), Fuente("Liberation Sans", 26, true), Qt::white);
}

void IconoApagar(QPainter& p)
{
    QRadialGradient g(20, 18, 22);
    g.setColorAt(0, QColor(255, 120, 100));
    g.setColorAt(1, QColor(170, 20, 20));
    p.setPen(QPen(QColor(90, 10, 10), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(25, 25), 16, 16);
    p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 16, 18, 18), 125 * 16, 290 * 16);
    p.drawLine(QPointF(25, 12.5), QPointF(25, 24));
}

void IconoEstadisticas(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 50), 1.6));
    p.drawLine(QPointF(9, 8), QPointF(9, 41));
    p.drawLine(QPointF(9, 41), QPointF(42, 41));
    const QColor colores[] = {QColor(220, 60, 50), QColor(240, 180, 30), QColor(50, 160, 70),
                              QColor(50, 100, 210)};
    const double altos[] = {14, 24, 19, 29};
    for (int i = 0; i < 4; ++i) {
        QRectF b(12.5 + i * 7.3, 40 - altos[i], 5.6, altos[i]);
        QLinearGradient g(b.topLeft(), b.topRight());
        g.setColorAt(0, colores[i].lighter(130));
        g.setColorAt(1, colores[i].darker(120));
        p.setPen(QPen(colores[i].darker(200), 0.8));
        p.setBrush(g);
        p.drawRect(b);
    }
}

// Dialogs' help: a blue letter i in a grey ring.
void IconoInformacion(QPainter& p)
{
    QRadialGradient anillo(20, 18, 24);
    anillo.setColorAt(0, QColor(235, 236, 240));
    anillo.setColorAt(1, QColor(110, 114, 122));
    p.setPen(QPen(QColor(60, 62, 70), 1.2));
    p.setBrush(anillo);
    p.drawEllipse(QPointF(25, 25), 18, 18);
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(120, 124, 132), 1.0));
    p.drawEllipse(QPointF(25, 25), 12.5, 12.5);
    Texto(p, QRectF(12, 11, 26, 28), QStringLiteral("i"), Fuente("Liberation Serif", 25, true),
          QColor(20, 60, 200));
}

// History: a ring binder.
void IconoArchivador(QPainter& p)
{
    p.setPen(QPen(QColor(20, 30, 80), 1.2));
    QLinearGradient g(10, 0, 40, 0);
    g.setColorAt(0, QColor(40, 70, 170));
    g.setColorAt(1, QColor(80, 120, 220));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(9, 6, 30, 38), 2.5, 2.5);
    p.setBrush(QColor(250, 250, 244));
    p.setPen(QPen(QColor(140, 140, 130), 0.8));
    p.drawRect(QRectF(15, 9, 21, 32));
    p.setPen(QPen(QColor(120, 150, 200), 0.8));
    for (int i = 0; i < 7; ++i) p.drawLine(QPointF(18, 14 + i * 4), QPointF(33, 14 + i * 4));
    for (int i = 0; i < 3; ++i) {
        double y = 13 + i * 11;
        p.setPen(QPen(QColor(70, 70, 76), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(11, y - 2.5, 8, 5), 0, 180 * 16);
        p.setPen(QPen(QColor(220, 222, 228), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(11.5, y - 2.5, 7, 4.5), 30 * 16, 120 * 16);
    }
}

// History totals: a trophy.
void IconoTrofeo(QPainter& p)
{
    QLinearGradient oro(12, 0, 38, 0);
    oro.setColorAt(0, QColor(190, 130, 20));
    oro.setColorAt(0.4, QColor(255, 225, 100));
    oro.setColorAt(1, QColor(170, 110, 10));
    p.setPen(QPen(QColor(110, 70, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 11, 12, 13), 90 * 16, 180 * 16);
    p.drawArc(QRectF(31, 11, 12, 13), -90 * 16, 180 * 16);
    p.setBrush(oro);
    QPainterPath copa;
    copa.moveTo(13, 9);
    copa.lineTo(37, 9);
    copa.cubicTo(37, 24, 31, 29, 25, 30);
    copa.cubicTo(19, 29, 13, 24, 13, 9);
    copa.closeSubpath();
    p.drawPath(copa);
    p.drawRect(QRectF(22.5, 30, 5, 5));
    p.drawRoundedRect(QRectF(15, 35, 20, 6), 1.5, 1.5);
    Texto(p, QRectF(13, 10, 24, 17), QStringLiteral("1"), Fuente("Liberation Sans", 13, true),
          QColor(120, 70, 0));
}

// Dialogs' exit: a grey door frame with a green arrow pointing out to the left.
void IconoSalida(QPainter& p)
{
    p.setPen(QPen(QColor(50, 52, 58), 1.2));
    p.setBrush(QColor(120, 124, 132));
    p.drawRect(QRectF(20, 7, 22, 36));
    p.setBrush(QColor(40, 44, 50));
    p.drawRect(QRectF(24, 11, 14, 32));
    QPainterPath puerta;
    puerta.moveTo(24, 11);
    puerta.lineTo(33, 14);
    puerta.lineTo(33, 46);
    puerta.lineTo(24, 43);
    puerta.closeSubpath();
    QLinearGradient g(24, 0, 33, 0);
    g.setColorAt(0, QColor(200, 170, 120));
    g.setColorAt(1, QColor(150, 110, 60));
    p.setBrush(g);
    p.drawPath(puerta);
    RellenarFlechaVerde(p, FlechaBloque({5, 26}, 15, 9, 4, 29), 17, 35);
}

// Chat: two speech bubbles.
void IconoMensaje(QPainter& p)
{
    auto burbuja = [&](QRectF r, QColor c, bool izquierda) {
        QPainterPath b;
        b.addRoundedRect(r, 5, 5);
        QPainterPath cola;
        double x = izquierda ? r.left() + 5 : r.right() - 5;
        cola.moveTo(x - 3, r.bottom() - 1);
        cola.lineTo(x + (izquierda ? -4 : 4), r.bottom() + 5);
        cola.lineTo(x + 3, r.bottom() - 1);
        cola.closeSubpath();
        b = b.united(cola);
        p.setPen(QPen(c.darker(220), 1.1));
        p.setBrush(c);
        p.drawPath(b);
    };
    burbuja(QRectF(6, 5, 26, 15), QColor(250, 250, 255), true);
    burbuja(QRectF(19, 14, 26, 14), QColor(150, 220, 140), false);
    p.setPen(QPen(QColor(90, 90, 100), 1.2));
    for (int i = 0; i < 3; ++i) p.drawPoint(QPointF(13 + i * 5, 12.5));
}

void Boton(QImage& hoja, Rect r, void (*icono)(QPainter&))
{
    QPainter p(&hoja);
    BaseBoton(p, ARect(r));
    p.translate(r.x, r.y);
    p.setClipRect(QRect(2, 2, r.ancho - 4, r.alto - 4));
    Antialias(p);
    icono(p);
}

void Continuar(QImage& hoja, Rect r, bool pulsado)
{
    QPainter p(&hoja);
    PanelRelieve(p, ARect(r), QColor(24, 104, 84), QColor(6, 46, 38), pulsado);
    // A faint sheen on the upper half, kept dark enough for yellow lettering.
    QRect brillo(r.x + 3, r.y + 3, r.ancho - 6, r.alto / 2 - 3);
    QLinearGradient g(brillo.topLeft(), brillo.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, pulsado ? 10 : 34));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(brillo, g);
}

void Pista(QImage& hoja, Rect r)
{
    QPainter p(&hoja);
    p.fillRect(ARect(r), GrisVentana);
    p.translate(r.x, r.y);
    // Groove along the middle, from the knob's travel at value 0 to value 100 (track x 9..109).
    p.setPen(QColor(110, 110, 110));
    p.drawLine(6, 9, 112, 9);
    p.setPen(QColor(60, 60, 60));
    p.drawLine(6, 10, 112, 10);
    p.setPen(QColor(250, 250, 250));
    p.drawLine(6, 12, 112, 12);
    p.drawLine(112, 9, 112, 12);
    p.setPen(QColor(170, 170, 170));
    p.drawLine(6, 11, 111, 11);
    for (int k = 0; k <= 10; ++k) {
        int x = 9 + k * 10;
        bool mayor = k % 5 == 0;
        p.setPen(QColor(40, 40, 40));
        p.drawLine(x, mayor ? 3 : 5, x, 7);
        p.setPen(QColor(250, 250, 250));
        p.drawLine(x + 1, mayor ? 3 : 5, x + 1, 7);
    }
    Antialias(p);
    QFont f = Fuente("Liberation Sans", 8, true);
    for (auto [valor, x] : {std::pair{0, 9}, std::pair{5, 59}, std::pair{10, 109}}) {
        Texto(p, QRectF(x - 8, 13, 16, 9), QString::number(valor), f, QColor(30, 30, 90));
    }
}

void BarraSelector(QImage& hoja, Rect r)
{
    // Pale green display, rounded by a vertical gradient; the left cap darker.
    for (int y = 0; y < r.alto; ++y) {
        double t = double(y) / (r.alto - 1);
        int v = int(std::lround(222 - 40 * std::pow(std::abs(t - 0.35) / 0.65, 2.0)));
        QRgb fondo = qRgb(v - 30, v, v - 36);
        if (y == 0 || y == r.alto - 1) fondo = qRgb(96, 112, 92);
        for (int x = 0; x < r.ancho; ++x) {
            QRgb c = fondo;
            if (x < r.ancho - 1) {
                int k = r.ancho - 1 - x; // 4..1
                c = qRgb(std::max(0, qRed(fondo) - 26 * k), std::max(0, qGreen(fondo) - 26 * k),
                         std::max(0, qBlue(fondo) - 26 * k));
                if (x == 0) c = qRgb(60, 72, 58);
            }
            hoja.setPixel(r.x + x, r.y + y, c);
        }
    }
}

void Triangulo(QPainter& p, QPointF a, QPointF b, QPointF c, QColor relleno, QColor borde)
{
    QPainterPath t;
    t.moveTo(a);
    t.lineTo(b);
    t.lineTo(c);
    t.closeSubpath();
    p.setPen(QPen(borde, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(relleno);
    p.drawPath(t);
}

// Spin arrows: up over down, 15x9 each with a row between.
void Spin(QImage& hoja, Rect arriba, bool pulsado)
{
    QPainter p(&hoja);
    for (int i = 0; i < 2; ++i) {
        QRect r(arriba.x, arriba.y + i * 10, 15, 9);
        PanelRelieve(p, r, pulsado ? QColor(170, 170, 170) : QColor(214, 214, 214),
                     pulsado ? QColor(120, 120, 120) : QColor(160, 160, 160), pulsado);
        Antialias(p);
        double d = pulsado ? 0.5 : 0.0;
        QColor verde = pulsado ? QColor(10, 120, 30) : QColor(40, 180, 60);
        if (i == 0)
            Triangulo(p, {r.x() + 7.5 + d, r.y() + 1.8 + d}, {r.x() + 12.0 + d, r.y() + 7.0 + d},
                      {r.x() + 3.0 + d, r.y() + 7.0 + d}, verde, QColor(0, 70, 10));
        else
            Triangulo(p, {r.x() + 7.5 + d, r.y() + 7.2 + d}, {r.x() + 12.0 + d, r.y() + 2.0 + d},
                      {r.x() + 3.0 + d, r.y() + 2.0 + d}, verde, QColor(0, 70, 10));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    p.fillRect(QRect(arriba.x, arriba.y + 9, 15, 1), GrisVentana);
}

void FlechaSelectorTecla(QImage& hoja, Rect r, bool pulsada)
{
    QPainter p(&hoja);
    PanelRelieve(p, ARect(r), pulsada ? QColor(160, 160, 164) : QColor(222, 222, 226),
                 pulsada ? QColor(110, 110, 116) : QColor(156, 156, 162), pulsada);
    Antialias(p);
    double d = pulsada ? 1.0 : 0.0;
    Triangulo(p, {r.x + 10.0 + d, r.y + 5.0 + d}, {r.x + 20.0 + d, r.y + 10.0 + d},
              {r.x + 10.0 + d, r.y + 15.0 + d}, QColor(30, 60, 170), QColor(10, 20, 80));
}

void Lampara(QImage& hoja, Rect r, bool encendida)
{
    QPainter p(&hoja);
    p.fillRect(ARect(r), GrisVentana);
    Antialias(p);
    QPointF c(r.x + 8.5, r.y + 8.5);
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(QColor(150, 150, 150));
    p.drawEllipse(c, 8.0, 8.0);
    QRadialGradient g(c - QPointF(2, 2), 8);
    if (encendida) {
        g.setColorAt(0, QColor(230, 255, 220));
        g.setColorAt(0.35, QColor(80, 255, 70));
        g.setColorAt(1, QColor(10, 150, 20));
    } else {
        g.setColorAt(0, QColor(70, 110, 70));
        g.setColorAt(1, QColor(10, 50, 15));
    }
    p.setPen(QPen(QColor(20, 40, 20), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, 6.0, 6.0);
}

QImage ManoSenal(int asiento)
{
    QImage arriba = ImagenTransparente(32, 32);
    {
        QPainter p(&arriba);
        DibujarManoIndice(p, ColorPiel(), ColorPuno());
    }
    // Seat 4 points up; the others are quarter turns of it.
    int grados = asiento == 1 ? 90 : asiento == 2 ? 180 : asiento == 3 ? 270 : 0;
    return arriba.transformed(QTransform().rotate(grados));
}

QImage SenalDomino()
{
    QImage img = ImagenTransparente(32, 32);
    QPainter p(&img);
    Antialias(p);
    QPainterPath estrella;
    for (int i = 0; i < 24; ++i) {
        double a = i * 3.14159265 / 12 - 3.14159265 / 2;
        double r = i % 2 ? 9.5 : 15.5;
        QPointF q(16 + r * std::cos(a), 16 + r * std::sin(a));
        if (i == 0)
            estrella.moveTo(q);
        else
            estrella.lineTo(q);
    }
    estrella.closeSubpath();
    QRadialGradient g(16, 16, 16);
    g.setColorAt(0, QColor(255, 250, 170));
    g.setColorAt(0.6, QColor(255, 200, 40));
    g.setColorAt(1, QColor(230, 110, 10));
    p.setPen(QPen(QColor(150, 60, 0), 1.0));
    p.setBrush(g);
    p.drawPath(estrella);
    p.translate(16, 16);
    p.rotate(-18);
    DibujarFichaLibre(p, QRectF(-6.5, -11.5, 13, 23), 6, 6, false);
    return img;
}

// The remote: a graphite body with rubber keys, whole rectangle copied onto the marble.
void Mando(QImage& hoja, Rect r, bool pulsado)
{
    QPainter p(&hoja);
    p.fillRect(ARect(r), ColorMedioMarmol());
    p.translate(r.x, r.y);
    Antialias(p);
    QLinearGradient cuerpo(0, 0, 50, 0);
    cuerpo.setColorAt(0, QColor(88, 92, 102));
    cuerpo.setColorAt(0.5, QColor(58, 62, 70));
    cuerpo.setColorAt(1, QColor(30, 32, 38));
    p.setPen(QPen(QColor(12, 12, 16), 1.0));
    p.setBrush(cuerpo);
    p.drawRoundedRect(QRectF(0.5, 0.5, 49, 74), 6, 6);
    p.setPen(QPen(QColor(140, 146, 160), 1.0));
    p.drawLine(QPointF(5, 1.5), QPointF(45, 1.5));
    p.setRenderHint(QPainter::Antialiasing, false);

    auto tecla = [&](Rect k, bool abajo) {
        QRect q(k.x, k.y, k.ancho, k.alto);
        PanelRelieve(p, q, abajo ? QColor(44, 46, 54) : QColor(104, 110, 124),
                     abajo ? QColor(24, 25, 30) : QColor(52, 55, 64), abajo);
        return QRectF(q).translated(abajo ? 0.7 : 0, abajo ? 0.7 : 0);
    };
    const QColor simbolo(250, 250, 250);
    auto tri = [&](QPointF c, bool derecha, double h) {
        double s = derecha ? 1 : -1;
        Antialias(p);
        Triangulo(p, {c.x() - 2.6 * s, c.y() - h}, {c.x() + 2.6 * s, c.y()}, {c.x() - 2.6 * s, c.y() + h},
                  simbolo, simbolo);
        p.setRenderHint(QPainter::Antialiasing, false);
    };
    auto barra = [&](double x, double y) { p.fillRect(QRectF(x, y - 3, 1.6, 6), simbolo); };

    // Power: a lamp and the power sign.
    {
        QRectF k = tecla(bv::TeclaEncendido, pulsado);
        Antialias(p);
        QRadialGradient g(k.left() + 9, k.center().y() - 1, 6);
        if (pulsado) {
            g.setColorAt(0, QColor(255, 240, 200));
            g.setColorAt(0.4, QColor(255, 80, 40));
            g.setColorAt(1, QColor(160, 20, 10));
        } else {
            g.setColorAt(0, QColor(110, 40, 36));
            g.setColorAt(1, QColor(60, 16, 14));
        }
        p.setPen(QPen(QColor(20, 10, 10), 0.8));
        p.setBrush(g);
        p.drawEllipse(QPointF(k.left() + 9, k.center().y()), 3.6, 3.6);
        p.setPen(
            QPen(pulsado ? QColor(255, 230, 120) : QColor(235, 235, 235), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPointF c(k.left() + 27, k.center().y());
        p.drawArc(QRectF(c.x() - 4, c.y() - 4, 8, 8), 120 * 16, 300 * 16);
        p.drawLine(QPointF(c.x(), c.y() - 5), QPointF(c.x(), c.y() - 0.5));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    {
        QRectF k = tecla(bv::TeclaAtras, pulsado);
        barra(k.center().x() - 4.5, k.center().y());
        tri(k.center() + QPointF(1.0, 0), false, 3.5);
    }
    {
        QRectF k = tecla(bv::TeclaAdelante, pulsado);
        tri(k.center() - QPointF(1.0, 0), true, 3.5);
        barra(k.center().x() + 3.0, k.center().y());
    }
    {
        QRectF k = tecla(bv::TeclaAtrasRapido, pulsado);
        tri(k.center() - QPointF(2.6, 0), false, 3.5);
        tri(k.center() + QPointF(2.6, 0), false, 3.5);
    }
    {
        QRectF k = tecla(bv::TeclaAdelanteRapido, pulsado);
        tri(k.center() - QPointF(2.6, 0), true, 3.5);
        tri(k.center() + QPointF(2.6, 0), true, 3.5);
    }
    {
        QRectF k = tecla(bv::TeclaContinuar, pulsado);
        Antialias(p);
        QPointF c = k.center();
        Triangulo(p, {c.x() - 3.5, c.y() - 4.2}, {c.x() + 4.5, c.y()}, {c.x() - 3.5, c.y() + 4.2},
                  QColor(80, 230, 90), QColor(0, 60, 10));
    }
}

} // namespace

QImage HojaBmpVario()
{
    QImage hoja = ImagenOpaca(bv::Hoja.ancho, bv::Hoja.alto, QColor(0, 0, 0));
    void (*iconos[])(QPainter&) = {IconoNueva,  IconoPersonalizar,
                                   IconoNormas, [](QPainter& p) { DibujarBombilla(p, QRectF(7, 6, 36, 36)); },
                                   nullptr,     IconoInterrogacion,
                                   IconoApagar, IconoEstadisticas};
    for (int i = 1; i <= 8; ++i)
        if (iconos[i - 1]) Boton(hoja, bv::BotonBarra(i), iconos[i - 1]);
    {
        QPainter p(&hoja);
        Libreta(p, ARect(bv::Marcador));
    }
    Boton(hoja, bv::BotonAyuda, IconoInformacion);
    Boton(hoja, bv::BotonHistorico, IconoArchivador);
    Boton(hoja, bv::BotonTotales, IconoTrofeo);
    Boton(hoja, bv::BotonSalir, IconoSalida);
    Boton(hoja, bv::BotonMensaje, IconoMensaje);
    Pista(hoja, bv::PistaPotenciometro);
    BarraSelector(hoja, bv::BarraSelectorExtremo);
    Continuar(hoja, bv::BotonContinuar, false);
    Continuar(hoja, bv::BotonContinuarPulsado, true);
    Spin(hoja, bv::SpinArriba, false);
    Spin(hoja, bv::SpinArribaPulsado, true);
    FlechaSelectorTecla(hoja, bv::FlechaSelector, false);
    FlechaSelectorTecla(hoja, bv::FlechaSelectorPulsada, true);
    Lampara(hoja, bv::BuleanoEncendido, true);
    Lampara(hoja, bv::BuleanoApagado, false);
    for (int s = 1; s <= 4; ++s) PonerSpriteDibujo(hoja, bv::ManoSenal(s), ManoSenal(s));
    PonerSpriteDibujo(hoja, bv::SenalDomino, SenalDomino());
    Mando(hoja, bv::Grabadora, false);
    Mando(hoja, bv::GrabadoraPulsada, true);
    return hoja;
}

} // namespace zp::generador
