#include "lienzo.h"

#include <QFont>

#include <algorithm>
#include <array>
#include <cmath>

namespace zp::generador {

QImage ImagenOpaca(int ancho, int alto, QColor fondo)
{
    QImage img(ancho, alto, QImage::Format_RGB32);
    img.fill(fondo);
    return img;
}

QImage ImagenTransparente(int ancho, int alto)
{
    QImage img(ancho, alto, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

void Antialias(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void PonerSpritePixeles(QImage& hoja, ParMascara destino, const Pixel& pixel)
{
    const Rect im = destino.imagen, ma = destino.mascara;
    for (int y = 0; y < im.alto; ++y) {
        for (int x = 0; x < im.ancho; ++x) {
            std::optional<QRgb> c = pixel(x, y);
            hoja.setPixel(im.x + x, im.y + y, c ? (*c | 0xFF000000u) : 0xFF000000u);
            hoja.setPixel(ma.x + x, ma.y + y, c ? 0xFF000000u : 0xFFFFFFFFu);
        }
    }
}

void PonerSpriteDibujo(QImage& hoja, ParMascara destino, const QImage& dibujo)
{
    const QImage d = dibujo.convertToFormat(QImage::Format_ARGB32);
    PonerSpritePixeles(hoja, destino, [&](int x, int y) -> std::optional<QRgb> {
        QRgb c = d.pixel(x, y);
        if (qAlpha(c) < 128) return std::nullopt;
        return c;
    });
}

QImage Binarizar(const QImage& dibujo)
{
    QImage d = dibujo.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x) {
            QRgb c = d.pixel(x, y);
            d.setPixel(x, y, qAlpha(c) < 128 ? 0u : (c | 0xFF000000u));
        }
    return d;
}

void DibujarPuntos(QPainter& p, QRectF cuadro, int n, bool tumbada, double radio, QColor color,
                   double separacion)
{
    // Positions on a 3x3 grid, (column, row), for an upright half; a lying half turns them a quarter.
    using P = std::array<int, 2>;
    static const std::array<std::vector<P>, 7> disposicion = {{
        {},
        {{1, 1}},
        {{2, 0}, {0, 2}},
        {{2, 0}, {1, 1}, {0, 2}},
        {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
        {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}},
    }};
    if (n < 1 || n > 6) return;
    const double paso = cuadro.width() * separacion;
    const QPointF centro = cuadro.center();
    p.save();
    Antialias(p);
    p.setPen(Qt::NoPen);
    for (P pos : disposicion[n]) {
        int c = pos[0], f = pos[1];
        if (tumbada) { // quarter turn: (c, f) -> (f, 2 - c)
            int nc = f, nf = 2 - c;
            c = nc;
            f = nf;
        }
        QPointF q(centro.x() + (c - 1) * paso, centro.y() + (f - 1) * paso);
        QRadialGradient g(q + QPointF(-radio * 0.35, -radio * 0.35), radio * 1.3);
        g.setColorAt(0, color.lighter(100).value() < 40 ? QColor(70, 66, 60) : color.lighter(130));
        g.setColorAt(0.55, color);
        g.setColorAt(1, color);
        p.setBrush(g);
        p.drawEllipse(q, radio, radio);
    }
    p.restore();
}

void PanelRelieve(QPainter& p, QRect r, QColor claro, QColor oscuro, bool hundido)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, hundido ? oscuro : claro);
    g.setColorAt(1, hundido ? claro.darker(115) : oscuro);
    p.fillRect(r, g);
    QColor luz = claro.lighter(135), sombra = oscuro.darker(160);
    if (hundido) std::swap(luz, sombra);
    p.setPen(QColor(30, 30, 34));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    for (int i = 1; i <= 2; ++i) {
        QRect q = r.adjusted(i, i, -i - 1, -i - 1);
        QColor l = luz, s = sombra;
        if (i == 2) {
            l.setAlpha(120);
            s.setAlpha(120);
        }
        p.setPen(l);
        p.drawLine(q.topLeft(), q.topRight());
        p.drawLine(q.topLeft(), q.bottomLeft());
        p.setPen(s);
        p.drawLine(q.bottomLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomRight());
    }
    p.restore();
}

void BaseBoton(QPainter& p, QRect r)
{
    PanelRelieve(p, r, QColor(226, 228, 232), QColor(150, 155, 166));
}

QFont Fuente(const char* familia, int pixeles, bool negrita, bool cursiva)
{
    QFont f(QString::fromLatin1(familia));
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    f.setItalic(cursiva);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void Texto(QPainter& p, QRectF r, const QString& t, const QFont& f, QColor c, int alin)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, alin, t);
}

void RellenarFlechaVerde(QPainter& p, const QPainterPath& flecha, double arriba, double abajo)
{
    QLinearGradient v(0, arriba, 0, abajo);
    v.setColorAt(0, QColor(120, 235, 110));
    v.setColorAt(1, QColor(20, 140, 40));
    p.setPen(QPen(QColor(10, 70, 20), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(v);
    p.drawPath(flecha);
}

QPainterPath FlechaBloque(QPointF punta, double xCabeza, double mitadCabeza, double mitadAsta, double xCola)
{
    const double y = punta.y();
    QPainterPath f;
    f.moveTo(punta);
    f.lineTo(xCabeza, y - mitadCabeza);
    f.lineTo(xCabeza, y - mitadAsta);
    f.lineTo(xCola, y - mitadAsta);
    f.lineTo(xCola, y + mitadAsta);
    f.lineTo(xCabeza, y + mitadAsta);
    f.lineTo(xCabeza, y + mitadCabeza);
    f.closeSubpath();
    return f;
}

} // namespace zp::generador
