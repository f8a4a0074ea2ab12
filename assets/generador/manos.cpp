// Hands, free-standing tiles, the bulb and the marble: the pieces several pictures share.
#include "lienzo.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace zp::generador {

QColor ColorPiel()
{
    return QColor(250, 196, 178);
}
QColor ColorPuno()
{
    return QColor(40, 84, 200);
}

namespace {

QPainterPath Redondeado(QRectF r, double radio)
{
    QPainterPath c;
    c.addRoundedRect(r, radio, radio);
    return c;
}

const QColor Contorno(70, 34, 30);

void Silueta(QPainter& p, const QPainterPath& forma, QColor piel)
{
    p.setPen(QPen(Contorno, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(4, 0, 28, 30);
    g.setColorAt(0, piel.lighter(112));
    g.setColorAt(1, piel.darker(118));
    p.setBrush(g);
    p.drawPath(forma.simplified());
}

void Puno(QPainter& p, QRectF r, QColor puno)
{
    p.setPen(QPen(QColor(16, 26, 70), 1.0));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, puno.lighter(135));
    g.setColorAt(1, puno.darker(120));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.2, 1.2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 2.5), QPointF(r.right() - 1.5, r.top() + 2.5));
}

void Pliegue(QPainter& p, QPointF a, QPointF b)
{
    p.setPen(QPen(Contorno, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

} // namespace

void DibujarManoIndice(QPainter& p, QColor piel, QColor puno)
{
    Antialias(p);
    // Index finger up to the hot spot (13, 1); three fingers folded to the right; thumb across the left.
    QPainterPath forma = Redondeado({10.5, 1.3, 6.0, 17.2}, 3.0);
    forma = forma.united(Redondeado({16.0, 10.5, 4.6, 10.0}, 2.3));
    forma = forma.united(Redondeado({20.0, 11.8, 4.4, 9.5}, 2.2));
    forma = forma.united(Redondeado({23.6, 13.3, 4.0, 8.5}, 2.0));
    forma = forma.united(Redondeado({8.5, 15.0, 19.0, 12.0}, 3.5));
    QPainterPath pulgar;
    pulgar.moveTo(10.5, 17.0);
    pulgar.cubicTo(6.0, 14.0, 3.0, 15.5, 4.5, 18.5);
    pulgar.cubicTo(6.0, 21.0, 8.0, 22.5, 10.0, 24.0);
    pulgar.closeSubpath();
    forma = forma.united(pulgar);
    Silueta(p, forma, piel);
    Pliegue(p, {16.6, 13.5}, {16.6, 19.0});
    Pliegue(p, {20.5, 14.5}, {20.5, 20.0});
    Pliegue(p, {24.0, 15.8}, {24.0, 20.5});
    Pliegue(p, {10.8, 20.0}, {15.0, 21.0});
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawLine(QPointF(12.0, 3.0), QPointF(12.0, 9.0));
    Puno(p, {9.5, 25.5, 17.5, 6.0}, puno);
}

void DibujarManoAbierta(QPainter& p, QColor piel, QColor puno)
{
    Antialias(p);
    // Middle fingertip at (15, 1); the fingers fan out from the palm.
    QPainterPath forma = Redondeado({8.0, 13.0, 17.0, 14.0}, 4.0);
    auto dedo = [&](QPointF base, double angulo, double largo, double ancho) {
        QPainterPath d = Redondeado({-ancho / 2, -largo, ancho, largo + 2.0}, ancho / 2);
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(angulo);
        forma = forma.united(t.map(d));
    };
    dedo({15.5, 14.0}, 0.0, 12.7, 4.6);
    dedo({11.5, 15.0}, -12.0, 11.5, 4.4);
    dedo({19.8, 14.5}, 11.0, 12.0, 4.4);
    dedo({23.2, 17.0}, 28.0, 9.0, 4.0);
    dedo({9.5, 21.0}, -62.0, 8.5, 4.6);
    Silueta(p, forma, piel);
    Pliegue(p, {13.2, 13.5}, {13.6, 17.0});
    Pliegue(p, {17.8, 13.5}, {17.4, 17.0});
    Pliegue(p, {21.6, 15.0}, {20.8, 18.0});
    Puno(p, {9.0, 25.5, 15.5, 6.0}, puno);
}

void DibujarManoCerrada(QPainter& p, QColor piel, QColor puno)
{
    Antialias(p);
    // Knuckles along the top, the hot spot (15, 6) on the second one.
    QPainterPath forma = Redondeado({7.0, 9.0, 19.0, 17.0}, 4.0);
    const double xs[] = {8.0, 12.6, 17.2, 21.6};
    const double ys[] = {7.0, 6.3, 6.6, 7.8};
    for (int i = 0; i < 4; ++i) forma = forma.united(Redondeado({xs[i], ys[i], 5.0, 8.0}, 2.5));
    QPainterPath pulgar = Redondeado({5.0, 14.0, 12.0, 5.0}, 2.5);
    forma = forma.united(pulgar);
    Silueta(p, forma, piel);
    for (int i = 1; i < 4; ++i) Pliegue(p, {xs[i] + 0.3, ys[i] + 2.5}, {xs[i] + 0.3, 13.0});
    Pliegue(p, {7.0, 14.2}, {16.5, 14.2});
    Pliegue(p, {7.0, 18.8}, {16.5, 18.8});
    Puno(p, {8.5, 25.5, 16.5, 6.0}, puno);
}

void DibujarFichaLibre(QPainter& p, QRectF r, int a, int b, bool tumbada)
{
    p.save();
    Antialias(p);
    const double grosor = std::max(1.5, std::min(r.width(), r.height()) * 0.09);
    QRectF cara = r.adjusted(0, 0, -grosor, -grosor);
    // Thickness first, seen below and to the right.
    p.setPen(QPen(QColor(60, 52, 40), 0.8));
    p.setBrush(QColor(196, 184, 154));
    double radio = std::min(r.width(), r.height()) * 0.12;
    p.drawRoundedRect(cara.translated(grosor, grosor), radio, radio);
    QLinearGradient g(cara.topLeft(), cara.bottomRight());
    g.setColorAt(0, QColor(255, 252, 242));
    g.setColorAt(0.5, ColorCara());
    g.setColorAt(1, QColor(226, 216, 190));
    p.setBrush(g);
    p.drawRoundedRect(cara, radio, radio);
    QRectF m1, m2;
    if (tumbada) {
        m1 = QRectF(cara.left(), cara.top(), cara.width() / 2, cara.height());
        m2 = m1.translated(cara.width() / 2, 0);
        p.setPen(QPen(QColor(150, 138, 112), std::max(0.8, grosor * 0.4)));
        p.drawLine(QPointF(cara.center().x(), cara.top() + grosor),
                   QPointF(cara.center().x(), cara.bottom() - grosor));
    } else {
        m1 = QRectF(cara.left(), cara.top(), cara.width(), cara.height() / 2);
        m2 = m1.translated(0, cara.height() / 2);
        p.setPen(QPen(QColor(150, 138, 112), std::max(0.8, grosor * 0.4)));
        p.drawLine(QPointF(cara.left() + grosor, cara.center().y()),
                   QPointF(cara.right() - grosor, cara.center().y()));
    }
    auto cuadrado = [](QRectF m) {
        double l = std::min(m.width(), m.height()) * 0.86;
        return QRectF(m.center().x() - l / 2, m.center().y() - l / 2, l, l);
    };
    QRectF c1 = cuadrado(m1), c2 = cuadrado(m2);
    DibujarPuntos(p, c1, a, tumbada, c1.width() * 0.105);
    DibujarPuntos(p, c2, b, tumbada, c2.width() * 0.105);
    p.restore();
}

void DibujarBombilla(QPainter& p, QRectF r)
{
    p.save();
    Antialias(p);
    const double s = r.width() / 32.0;
    p.translate(r.topLeft());
    p.scale(s, s);
    // Glow, glass, filament, screw base.
    QRadialGradient halo(16, 12, 15);
    halo.setColorAt(0, QColor(255, 250, 160, 200));
    halo.setColorAt(0.6, QColor(255, 230, 80, 90));
    halo.setColorAt(1, QColor(255, 220, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(16, 12), 15.5, 12.5);
    QPainterPath vidrio;
    vidrio.addEllipse(QPointF(16, 11.5), 8.5, 8.5);
    QPainterPath cuello;
    cuello.moveTo(10.5, 16.5);
    cuello.lineTo(21.5, 16.5);
    cuello.lineTo(19.5, 22.5);
    cuello.lineTo(12.5, 22.5);
    cuello.closeSubpath();
    vidrio = vidrio.united(cuello);
    QRadialGradient g(13.5, 8.5, 11);
    g.setColorAt(0, QColor(255, 255, 235));
    g.setColorAt(0.5, QColor(255, 236, 90));
    g.setColorAt(1, QColor(236, 170, 20));
    p.setPen(QPen(QColor(120, 80, 10), 1.0));
    p.setBrush(g);
    p.drawPath(vidrio.simplified());
    p.setPen(QPen(QColor(190, 90, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath fil;
    fil.moveTo(13.5, 21);
    fil.lineTo(14.2, 13);
    fil.cubicTo(15, 10.5, 17, 10.5, 17.8, 13);
    fil.lineTo(18.5, 21);
    p.drawPath(fil);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10, 6, 9, 9), 100 * 16, 70 * 16);
    QLinearGradient m(12, 0, 20, 0);
    m.setColorAt(0, QColor(120, 124, 132));
    m.setColorAt(0.45, QColor(230, 232, 236));
    m.setColorAt(1, QColor(100, 104, 112));
    p.setPen(QPen(QColor(50, 52, 60), 0.9));
    p.setBrush(m);
    p.drawRoundedRect(QRectF(12.3, 22.5, 7.4, 6.0), 1.0, 1.0);
    p.setPen(QPen(QColor(70, 72, 80), 0.9));
    p.drawLine(QPointF(12.5, 24.5), QPointF(19.5, 24.5));
    p.drawLine(QPointF(12.5, 26.5), QPointF(19.5, 26.5));
    p.setPen(QPen(QColor(40, 40, 44), 0.9));
    p.setBrush(QColor(60, 60, 66));
    p.drawRoundedRect(QRectF(14.0, 28.5, 4.0, 2.5), 1.0, 1.0);
    p.restore();
}

// Marble: value noise on lattices that divide the picture, so its opposite edges meet.
namespace {

constexpr int AnchoM = 640, AltoM = 512;

struct Rejilla
{
    int nx, ny;
    std::vector<double> v;
    Rejilla(int nx_, int ny_, Azar& azar) : nx(nx_), ny(ny_), v(std::size_t(nx_) * ny_)
    {
        for (double& d : v) d = azar.Real();
    }
    double En(int i, int j) const { return v[std::size_t((j % ny + ny) % ny) * nx + (i % nx + nx) % nx]; }
    // Smooth value at (u, v) in lattice units, wrapping on both axes.
    double Valor(double u, double w) const
    {
        int i = int(std::floor(u)), j = int(std::floor(w));
        double fu = u - i, fw = w - j;
        fu = fu * fu * (3 - 2 * fu);
        fw = fw * fw * (3 - 2 * fw);
        double a = En(i, j) + (En(i + 1, j) - En(i, j)) * fu;
        double b = En(i, j + 1) + (En(i + 1, j + 1) - En(i, j + 1)) * fu;
        return a + (b - a) * fw;
    }
};

struct Ruido
{
    std::vector<Rejilla> capas;
    explicit Ruido(std::uint64_t semilla)
    {
        Azar azar(semilla);
        for (int k : {5, 10, 20, 40, 80, 160}) capas.emplace_back(k, k * AltoM / AnchoM, azar);
    }
    // Fractal sum in [0, 1) of the noise at pixel (x, y).
    double En(double x, double y) const
    {
        double suma = 0, peso = 1, total = 0;
        for (const Rejilla& r : capas) {
            suma += peso * r.Valor(x * r.nx / AnchoM, y * r.ny / AltoM);
            total += peso;
            peso *= 0.52;
        }
        return suma / total;
    }
};

QColor Mezcla(QColor a, QColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

} // namespace

QImage Marmol()
{
    static QImage hecho;
    if (!hecho.isNull()) return hecho;
    Ruido forma(11), vetas(23), grano(37);
    QImage img(AnchoM, AltoM, QImage::Format_RGB32);
    const QColor fondo(40, 56, 50), hondo(24, 34, 31), veta(112, 132, 120), veta2(74, 96, 86);
    const double dos_pi = 2 * std::numbers::pi;
    for (int y = 0; y < AltoM; ++y) {
        QRgb* fila = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < AnchoM; ++x) {
            double n = forma.En(x, y);
            double t = vetas.En(x + 97, y + 41);
            // Veins run diagonally; the whole phase is periodic in both directions (2 and 3 turns).
            double fase = dos_pi * (2.0 * x / AnchoM + 3.0 * y / AltoM) + 9.0 * t;
            double s = std::abs(std::sin(fase));
            double fina = std::pow(1.0 - s, 10.0);
            double ancha = std::pow(1.0 - std::abs(std::sin(fase * 0.5 + 4.0 * n)), 4.0);
            double g = grano.En(x * 3.0, y * 3.0);
            QColor c = Mezcla(hondo, fondo, 0.35 + 0.9 * (n - 0.3));
            c = Mezcla(c, veta2, ancha * 0.55);
            c = Mezcla(c, veta, fina * 0.75);
            int d = int(std::lround((g - 0.5) * 14.0));
            fila[x] = qRgb(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                           std::clamp(c.blue() + d, 0, 255));
        }
    }
    hecho = img;
    return hecho;
}

QColor ColorMedioMarmol()
{
    const QImage m = Marmol();
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < m.height(); y += 4)
        for (int x = 0; x < m.width(); x += 4) {
            QRgb c = m.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    double n = double(m.width() / 4) * (m.height() / 4);
    return QColor(int(r / n), int(g / n), int(b / n));
}

} // namespace zp::generador
