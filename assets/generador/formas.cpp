// Icons of the table, pictures of the other windows, and the cursors.
#include "hojas.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace zp::generador {

namespace {

QPainterPath Flecha()
{
    // Pointing right, 32x32.
    return FlechaBloque({30, 16}, 17, 12, 5, 3);
}

} // namespace

QImage IconoFlecha(int direccion)
{
    QImage img = ImagenTransparente(32, 32);
    {
        QPainter p(&img);
        Antialias(p);
        p.translate(16, 16);
        p.rotate((direccion - 1) * 90.0);
        p.translate(-16, -16);
        QLinearGradient g(0, 4, 0, 28);
        g.setColorAt(0, QColor(255, 246, 120));
        g.setColorAt(0.5, QColor(255, 196, 20));
        g.setColorAt(1, QColor(220, 120, 0));
        p.setPen(QPen(QColor(60, 30, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(Flecha());
    }
    return Binarizar(img);
}

QImage IconoPaso()
{
    QImage img = ImagenTransparente(32, 32);
    {
        QPainter p(&img);
        Antialias(p);
        QRadialGradient g(12, 10, 20);
        g.setColorAt(0, QColor(255, 250, 170));
        g.setColorAt(0.6, QColor(255, 214, 40));
        g.setColorAt(1, QColor(220, 150, 0));
        p.setPen(QPen(QColor(90, 50, 0), 1.4));
        p.setBrush(g);
        p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 30, 10));
        p.drawEllipse(QPointF(11, 12.5), 2.0, 2.8);
        p.drawEllipse(QPointF(21, 12.5), 2.0, 2.8);
        p.setPen(QPen(QColor(50, 30, 10), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7.5, 8.5), QPointF(12.5, 7.0));
        p.drawLine(QPointF(24.5, 8.5), QPointF(19.5, 7.0));
        p.setPen(QPen(QColor(50, 30, 10), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 19, 14, 10), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 170, 255));
        QPainterPath lagrima;
        lagrima.moveTo(22.5, 15.5);
        lagrima.cubicTo(21, 19, 21, 21, 22.5, 21);
        lagrima.cubicTo(24, 21, 24, 19, 22.5, 15.5);
        p.drawPath(lagrima);
    }
    return Binarizar(img);
}

QImage IconoBombilla()
{
    QImage img = ImagenTransparente(32, 32);
    {
        QPainter p(&img);
        DibujarBombilla(p, QRectF(0, 0, 32, 32));
    }
    return Binarizar(img);
}

QImage Careta()
{
    namespace c = recursos::careta;
    QImage img = Marmol().copy(120, 80, c::Hoja.ancho, c::Hoja.alto);
    QPainter p(&img);
    Antialias(p);
    // Green baize inset, a few tiles, the name in gold.
    QRectF pano(10, 10, c::Hoja.ancho - 20, c::Hoja.alto - 20);
    QRadialGradient verde(pano.center(), 230);
    verde.setColorAt(0, QColor(30, 120, 70));
    verde.setColorAt(1, QColor(8, 52, 30));
    p.setPen(QPen(QColor(200, 160, 60), 2.0));
    p.setBrush(verde);
    p.drawRoundedRect(pano, 10, 10);
    p.setPen(QPen(QColor(120, 90, 20), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(pano.adjusted(4, 4, -4, -4), 7, 7);

    struct F
    {
        double x, y, ang;
        int a, b;
    };
    const F fichas[] = {{46, 122, -24, 6, 6}, {80, 132, -8, 5, 3}, {114, 136, 6, 4, 1},
                        {290, 136, -6, 2, 6}, {324, 132, 8, 0, 5}, {358, 122, 24, 3, 3}};
    for (const F& f : fichas) {
        p.save();
        p.translate(f.x, f.y);
        p.rotate(f.ang);
        DibujarFichaLibre(p, QRectF(-13, -26, 26, 52), f.a, f.b, false);
        p.restore();
    }
    // A line of tiles lying across the bottom middle.
    DibujarFichaLibre(p, QRectF(150, 132, 52, 26), 1, 1, true);
    DibujarFichaLibre(p, QRectF(202, 132, 52, 26), 1, 4, true);

    QFont f = Fuente("Liberation Serif", 56, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath nombre;
    nombre.addText(0, 0, f, QStringLiteral("ZARPELON"));
    QRectF caja = nombre.boundingRect();
    nombre.translate(c::Hoja.ancho / 2.0 - caja.center().x(), 64 - caja.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(nombre.translated(3, 3));
    QLinearGradient oro(0, 50, 0, 102);
    oro.setColorAt(0, QColor(255, 248, 190));
    oro.setColorAt(0.45, QColor(250, 200, 60));
    oro.setColorAt(0.55, QColor(210, 150, 20));
    oro.setColorAt(1, QColor(255, 220, 110));
    p.setPen(QPen(QColor(90, 50, 0), 1.5));
    p.setBrush(oro);
    p.drawPath(nombre);
    return img.convertToFormat(QImage::Format_RGB32);
}

namespace {

QImage BotonBlanco(int lado)
{
    QImage img = ImagenOpaca(lado, lado, QColor(192, 192, 192));
    QPainter p(&img);
    PanelRelieve(p, QRect(0, 0, lado, lado), QColor(214, 214, 218), QColor(150, 150, 156));
    p.fillRect(QRect(5, 5, lado - 10, lado - 10), QColor(128, 128, 128));
    p.fillRect(QRect(6, 6, lado - 11, lado - 11), Qt::white);
    return img;
}

} // namespace

QImage BotonSi()
{
    QImage img = BotonBlanco(55);
    QPainter p(&img);
    Antialias(p);
    QPainterPath v;
    v.moveTo(13, 28);
    v.lineTo(23, 39);
    v.lineTo(43, 15);
    p.setPen(QPen(QColor(0, 90, 20), 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
    p.setPen(QPen(QColor(40, 190, 60), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
    return img;
}

QImage BotonNo()
{
    QImage img = BotonBlanco(55);
    QPainter p(&img);
    Antialias(p);
    for (auto [ancho, color] : {std::pair{8.5, QColor(110, 0, 0)}, std::pair{5.5, QColor(225, 40, 30)}}) {
        p.setPen(QPen(color, ancho, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(39, 39));
        p.drawLine(QPointF(39, 16), QPointF(16, 39));
    }
    return img;
}

QImage FiguraSentido(bool directo)
{
    namespace pe = recursos::personal;
    QImage img = ImagenOpaca(pe::Figura.ancho, pe::Figura.alto, QColor(192, 192, 192));
    QPainter p(&img);
    Antialias(p);
    const QPointF c(61.5, 48.5);
    // The small table with a tile in front of each seat and two in the middle.
    QRectF mesa(c.x() - 31, c.y() - 25, 62, 50);
    QRadialGradient verde(c, 44);
    verde.setColorAt(0, QColor(40, 140, 80));
    verde.setColorAt(1, QColor(14, 80, 44));
    p.setPen(QPen(QColor(90, 60, 20), 2.0));
    p.setBrush(verde);
    p.drawRoundedRect(mesa, 6, 6);
    DibujarFichaLibre(p, QRectF(c.x() - 16, c.y() - 4.5, 16, 9), 3, 5, true);
    DibujarFichaLibre(p, QRectF(c.x(), c.y() - 4.5, 16, 9), 5, 2, true);
    DibujarFichaLibre(p, QRectF(mesa.left() + 3, c.y() - 7, 7, 14), 0, 0, false);
    DibujarFichaLibre(p, QRectF(mesa.right() - 10, c.y() - 7, 7, 14), 0, 0, false);
    DibujarFichaLibre(p, QRectF(c.x() - 7, mesa.top() + 3, 14, 7), 0, 0, true);
    DibujarFichaLibre(p, QRectF(c.x() - 7, mesa.bottom() - 10, 14, 7), 0, 0, true);
    // The circle of play with four arrow heads: clockwise on screen for Directo (left, top, right, bottom).
    const QColor color = directo ? QColor(20, 60, 220) : QColor(220, 30, 30);
    const double rx = 52, ry = 42;
    p.setPen(QPen(color, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx, ry);
    const double s = directo ? 1.0 : -1.0;
    for (int k = 0; k < 4; ++k) {
        double a = k * std::numbers::pi / 2 + std::numbers::pi / 4;
        QPointF q(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
        // Tangent in the sense of play (screen y grows downwards, so growing angle is clockwise).
        QPointF t(-rx * std::sin(a) * s, ry * std::cos(a) * s);
        double l = std::hypot(t.x(), t.y());
        t /= l;
        QPointF n(-t.y(), t.x());
        QPainterPath punta;
        punta.moveTo(q + t * 7.0);
        punta.lineTo(q - t * 5.0 + n * 6.0);
        punta.lineTo(q - t * 2.0);
        punta.lineTo(q - t * 5.0 - n * 6.0);
        punta.closeSubpath();
        p.setPen(QPen(color.darker(170), 1.0));
        p.setBrush(color);
        p.drawPath(punta);
    }
    return img;
}

namespace {

void Disquete(QPainter& p, QRectF r)
{
    QPainterPath cuerpo;
    cuerpo.moveTo(r.left(), r.top());
    cuerpo.lineTo(r.right() - 4, r.top());
    cuerpo.lineTo(r.right(), r.top() + 4);
    cuerpo.lineTo(r.right(), r.bottom());
    cuerpo.lineTo(r.left(), r.bottom());
    cuerpo.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(70, 90, 160));
    g.setColorAt(1, QColor(24, 34, 80));
    p.setPen(QPen(QColor(10, 14, 40), 1.1));
    p.setBrush(g);
    p.drawPath(cuerpo);
    const double w = r.width();
    QRectF metal(r.left() + w * 0.25, r.top() + 0.5, w * 0.48, r.height() * 0.33);
    QLinearGradient m(metal.topLeft(), metal.topRight());
    m.setColorAt(0, QColor(150, 154, 162));
    m.setColorAt(0.5, QColor(235, 236, 240));
    m.setColorAt(1, QColor(140, 144, 152));
    p.setPen(QPen(QColor(60, 62, 70), 0.8));
    p.setBrush(m);
    p.drawRect(metal);
    p.setBrush(QColor(40, 44, 60));
    p.drawRect(QRectF(metal.left() + metal.width() * 0.62, metal.top() + 2, metal.width() * 0.2,
                      metal.height() - 4));
    QRectF etiqueta(r.left() + w * 0.14, r.top() + r.height() * 0.5, w * 0.72, r.height() * 0.46);
    p.setPen(QPen(QColor(150, 150, 140), 0.8));
    p.setBrush(QColor(250, 250, 244));
    p.drawRect(etiqueta);
    p.setPen(QPen(QColor(120, 140, 200), 0.8));
    for (int i = 1; i <= 3; ++i) {
        double y = etiqueta.top() + i * etiqueta.height() / 4;
        p.drawLine(QPointF(etiqueta.left() + 2, y), QPointF(etiqueta.right() - 2, y));
    }
}

void FlechaRoja(QPainter& p, QPointF desde, QPointF hasta)
{
    QPointF d = hasta - desde;
    double l = std::hypot(d.x(), d.y());
    QPointF t = d / l, n(-t.y(), t.x());
    QPainterPath f;
    f.moveTo(hasta);
    f.lineTo(hasta - t * 9 + n * 7);
    f.lineTo(hasta - t * 9 + n * 3);
    f.lineTo(desde + n * 3);
    f.lineTo(desde - n * 3);
    f.lineTo(hasta - t * 9 - n * 3);
    f.lineTo(hasta - t * 9 - n * 7);
    f.closeSubpath();
    p.setPen(QPen(QColor(100, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(desde, hasta);
    g.setColorAt(0, QColor(200, 20, 20));
    g.setColorAt(1, QColor(255, 90, 70));
    p.setBrush(g);
    p.drawPath(f);
}

} // namespace

QImage BotonDisco(int accion)
{
    QImage img = ImagenOpaca(50, 50, QColor(192, 192, 192));
    QPainter p(&img);
    BaseBoton(p, QRect(0, 0, 50, 50));
    Antialias(p);
    if (accion == 1) {
        Disquete(p, QRectF(6, 14, 28, 28));
        FlechaRoja(p, QPointF(22, 26), QPointF(43, 6));
    } else if (accion == 2) {
        Disquete(p, QRectF(16, 17, 28, 28));
        FlechaRoja(p, QPointF(7, 4), QPointF(27, 25));
    } else {
        Disquete(p, QRectF(11, 11, 28, 28));
        for (auto [ancho, color] : {std::pair{7.0, QColor(110, 0, 0)}, std::pair{4.2, QColor(235, 40, 30)}}) {
            p.setPen(QPen(color, ancho, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 10), QPointF(40, 40));
            p.drawLine(QPointF(40, 10), QPointF(10, 40));
        }
    }
    return img;
}

QImage BotonEnviar()
{
    QImage img = ImagenOpaca(55, 55, QColor(192, 192, 192));
    QPainter p(&img);
    BaseBoton(p, QRect(0, 0, 55, 55));
    Antialias(p);
    // An envelope with a green arrow leaving it.
    QRectF sobre(7, 18, 32, 22);
    p.setPen(QPen(QColor(110, 100, 80), 1.1));
    p.setBrush(QColor(250, 246, 230));
    p.drawRect(sobre);
    QPainterPath solapa;
    solapa.moveTo(sobre.topLeft());
    solapa.lineTo(sobre.center().x(), sobre.top() + 12);
    solapa.lineTo(sobre.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(solapa);
    RellenarFlechaVerde(p, FlechaBloque({49, 17}, 38, 10, 5, 26), 7, 27);
    return img;
}

QImage CabeceraPuntos()
{
    namespace m = recursos::marcador;
    QImage img = ImagenOpaca(m::Hoja.ancho, m::Hoja.alto, QColor(192, 192, 192));
    QPainter p(&img);
    // Squared paper: cyan rules every 15 px; the pad ends at y 95.
    const int fondo = 95;
    p.fillRect(QRect(0, 8, m::Hoja.ancho, fondo - 8), QColor(253, 253, 247));
    p.setPen(QColor(150, 220, 235));
    for (int x = 10; x < m::Hoja.ancho; x += 15) p.drawLine(x, 8, x, fondo);
    for (int y = 15; y <= 90; y += 15) p.drawLine(0, y, m::Hoja.ancho - 1, y);
    // Blue rule under the headings and the column rules through the rows below it.
    p.setPen(QColor(30, 60, 200));
    p.drawLine(0, 75, m::Hoja.ancho - 1, 75);
    for (int x : {55, 130, 208}) p.drawLine(x, 76, x, 90);
    p.setPen(QColor(150, 220, 235));
    p.drawLine(0, 90, m::Hoja.ancho - 1, 90);
    // Bottom edge of the pad with its shadow.
    p.fillRect(QRect(0, fondo, m::Hoja.ancho, m::Hoja.alto - fondo), QColor(192, 192, 192));
    p.setPen(QColor(150, 150, 140));
    p.drawLine(0, fondo, m::Hoja.ancho - 1, fondo);
    p.setPen(QColor(120, 120, 120));
    p.drawLine(2, fondo + 1, m::Hoja.ancho - 1, fondo + 1);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(3, fondo + 2, m::Hoja.ancho - 1, fondo + 2);
    // Spiral binding along the top.
    Antialias(p);
    p.fillRect(QRect(0, 0, m::Hoja.ancho, 8), QColor(192, 192, 192));
    for (int x = 8; x < m::Hoja.ancho - 4; x += 10) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 66));
        p.drawEllipse(QPointF(x + 1.5, 11.5), 2.0, 2.0);
        p.setPen(QPen(QColor(70, 72, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 1.5, 1.5, 6, 11), 0, 200 * 16);
        p.setPen(QPen(QColor(225, 228, 235), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(x - 1.0, 2.0, 5, 10), 60 * 16, 100 * 16);
    }
    // Handwritten heading: the target's number goes in the gap centred near x 162.
    const QColor tinta(20, 50, 200);
    QFont mano = Fuente("Liberation Serif", 17, false, true);
    Texto(p, QRectF(40, 26, 100, 22), QStringLiteral("Partida a"), mano, tinta,
          Qt::AlignRight | Qt::AlignVCenter);
    Texto(p, QRectF(186, 26, 80, 22), QStringLiteral("puntos"), mano, tinta,
          Qt::AlignLeft | Qt::AlignVCenter);
    QFont cab = Fuente("Liberation Serif", 14, true, true);
    Texto(p, QRectF(0, 57, 55, 17), QStringLiteral("Mano"), cab, tinta);
    Texto(p, QRectF(55, 57, 75, 17), QStringLiteral("Sale"), cab, tinta);
    Texto(p, QRectF(130, 57, 78, 17), QStringLiteral("Nosotros"), cab, tinta);
    Texto(p, QRectF(208, 57, 82, 17), QStringLiteral("Ellos"), cab, tinta);
    return img;
}

QImage PiezaCarpeta()
{
    namespace h = recursos::historic;
    QImage img = ImagenOpaca(h::Hoja.ancho, h::Hoja.alto, QColor(192, 192, 192));
    QPainter p(&img);
    // Cover on the left, the paper from x 8 to x 47 (its right edge also ends the page at the right).
    p.fillRect(QRect(0, 0, 6, h::Hoja.alto), QColor(30, 50, 110));
    p.fillRect(QRect(6, 0, 1, h::Hoja.alto), QColor(15, 25, 60));
    p.fillRect(QRect(8, 0, 40, h::Hoja.alto), Qt::white);
    p.setPen(Qt::black);
    p.drawLine(8, 0, 47, 0);   // top edge of the page
    p.drawLine(47, 0, 47, 40); // right edge
    p.drawLine(8, 41, 47, 41); // bottom edge
    p.setPen(QColor(128, 128, 128));
    p.drawLine(48, 1, 48, 41);
    // One ring in the repeating unit, rows 2..24: a hole through the paper and a metal loop.
    Antialias(p);
    auto anillo = [&](double y) {
        // The loop rises from the hole and arches over the page's edge into the cover.
        QRectF arco(-1.0, y - 4.5, 14.5, 9.0);
        p.setPen(QPen(QColor(40, 42, 48), 3.4, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(arco, 0, 180 * 16);
        p.setPen(QPen(QColor(196, 198, 206), 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arco, 0, 180 * 16);
        p.setPen(QPen(Qt::white, 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arco.adjusted(0.5, 0.3, -0.5, -0.3), 60 * 16, 70 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 50, 56));
        p.drawEllipse(QPointF(13.2, y + 0.6), 1.6, 1.3);
    };
    p.setClipRect(QRect(0, 2, h::Hoja.ancho, 23));
    anillo(13.5);
    p.setClipping(false);
    // The lower piece, rows 25..41: the page's folded corners, lower left and lower right.
    p.setRenderHint(QPainter::Antialiasing, false);
    auto doblez = [&](QPoint esquina, int s) {
        // s = +1 for the lower right corner (fold towards the left), -1 for the lower left.
        QPolygon quitado{esquina, QPoint(esquina.x() - s * 13, esquina.y()),
                         QPoint(esquina.x(), esquina.y() - 13)};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(192, 192, 192));
        p.drawPolygon(quitado);
        QPolygon solapa{QPoint(esquina.x() - s * 13, esquina.y()), QPoint(esquina.x(), esquina.y() - 13),
                        QPoint(esquina.x() - s * 13, esquina.y() - 13)};
        p.setBrush(QColor(232, 232, 222));
        p.setPen(QColor(90, 90, 90));
        p.drawPolygon(solapa);
    };
    doblez(QPoint(47, 41), 1);
    doblez(QPoint(8, 41), -1);
    return img;
}

QImage Cursor(const char* nombre)
{
    QImage img = ImagenTransparente(32, 32);
    {
        QPainter p(&img);
        const std::string_view n = nombre;
        if (n == "ManoIndice")
            DibujarManoIndice(p, ColorPiel(), ColorPuno());
        else if (n == "ManoVerde")
            DibujarManoIndice(p, QColor(110, 215, 100), ColorPuno());
        else if (n == "ManoRoja")
            DibujarManoIndice(p, QColor(235, 80, 70), ColorPuno());
        else if (n == "ManoCerrada")
            DibujarManoCerrada(p, ColorPiel(), ColorPuno());
        else if (n == "Ordenar")
            DibujarManoAbierta(p, ColorPiel(), ColorPuno());
        else if (n == "Girar") {
            DibujarManoIndice(p, ColorPiel(), ColorPuno());
            // A round arrow, half red and half green, at the lower right.
            const QPointF c(25.0, 24.5);
            p.setPen(QPen(Qt::black, 4.2, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(QRectF(c.x() - 5, c.y() - 5, 10, 10), 0, 300 * 16);
            p.setPen(QPen(QColor(230, 30, 30), 2.4, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(QRectF(c.x() - 5, c.y() - 5, 10, 10), 150 * 16, 150 * 16);
            p.setPen(QPen(QColor(30, 190, 40), 2.4, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(QRectF(c.x() - 5, c.y() - 5, 10, 10), 0, 150 * 16);
            QPainterPath punta;
            punta.moveTo(c.x() + 2.5, c.y() - 8.5);
            punta.lineTo(c.x() + 7.5, c.y() - 4.3);
            punta.lineTo(c.x() + 1.0, c.y() - 1.8);
            punta.closeSubpath();
            p.setPen(QPen(Qt::black, 0.9));
            p.setBrush(QColor(30, 190, 40));
            p.drawPath(punta.translated(0.5, 0));
        }
    }
    return Binarizar(img);
}

} // namespace zp::generador
