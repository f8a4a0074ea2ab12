// Drawing helpers shared by the pictures of the generator.
#pragma once

#include "assets/recursos.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <functional>
#include <optional>

namespace zp::generador {

using recursos::ParMascara;
using recursos::Rect;

inline QRect ARect(Rect r)
{
    return {r.x, r.y, r.ancho, r.alto};
}

// Seeded generator: the pictures and sounds come out the same on every run.
class Azar
{
public:
    explicit Azar(std::uint64_t semilla) : estado_(semilla * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint64_t Siguiente()
    {
        estado_ ^= estado_ << 13;
        estado_ ^= estado_ >> 7;
        estado_ ^= estado_ << 17;
        return estado_;
    }
    // Uniform in [0, 1).
    double Real() { return double(Siguiente() >> 11) * (1.0 / 9007199254740992.0); }
    double Entre(double a, double b) { return a + (b - a) * Real(); }

private:
    std::uint64_t estado_;
};

// Colour of the tile faces; every pip picture sits on exactly this colour.
inline QColor ColorCara()
{
    return QColor::fromRgb(recursos::ColorCara);
}

QImage ImagenOpaca(int ancho, int alto, QColor fondo = Qt::black);
QImage ImagenTransparente(int ancho, int alto);
void Antialias(QPainter& p);

// A masked sprite from a per-pixel rule: no value = outside the shape. The image is pure black outside and
// the mask pure black inside, pure white outside.
using Pixel = std::function<std::optional<QRgb>(int x, int y)>;
void PonerSpritePixeles(QImage& hoja, ParMascara destino, const Pixel& pixel);
// A masked sprite from a drawing on a transparent canvas: pixels at least half covered form the shape.
void PonerSpriteDibujo(QImage& hoja, ParMascara destino, const QImage& dibujo);
// A drawing flattened to its binary shape: opaque colour inside, fully transparent outside (icons, cursors).
QImage Binarizar(const QImage& dibujo);

// Pips of n (1..6) centred in the square; tumbada turns the arrangement for a lying tile.
void DibujarPuntos(QPainter& p, QRectF cuadro, int n, bool tumbada, double radio, QColor color = Qt::black,
                   double separacion = 0.27);

// A raised, pressable panel with a soft gradient; hundido draws it pressed.
void PanelRelieve(QPainter& p, QRect r, QColor claro, QColor oscuro, bool hundido = false);
// The silver ground of the 50x50 picture buttons.
void BaseBoton(QPainter& p, QRect r);

QFont Fuente(const char* familia, int pixeles, bool negrita = false, bool cursiva = false);
// `t` in font f and colour c, aligned in r.
void Texto(QPainter& p, QRectF r, const QString& t, const QFont& f, QColor c, int alin = Qt::AlignCenter);

// An arrow outline filled green, light at height `arriba` and dark at `abajo`, with a dark green rim.
void RellenarFlechaVerde(QPainter& p, const QPainterPath& flecha, double arriba, double abajo);

// A block arrow along the x axis: its tip, the x of the back of its head and its half height, the half
// height of its shaft and the x where the shaft ends. It points left or right as the tip lies.
QPainterPath FlechaBloque(QPointF punta, double xCabeza, double mitadCabeza, double mitadAsta, double xCola);

// Hands: 32x32, pointing up with the fingertip at (13, 1).
void DibujarManoIndice(QPainter& p, QColor piel, QColor puno);
void DibujarManoAbierta(QPainter& p, QColor piel, QColor puno);
void DibujarManoCerrada(QPainter& p, QColor piel, QColor puno);
QColor ColorPiel();
QColor ColorPuno();

// A small face-up tile drawn freely (cover, direction pictures, buttons).
void DibujarFichaLibre(QPainter& p, QRectF r, int a, int b, bool tumbada);
void DibujarBombilla(QPainter& p, QRectF r);

// The marble, and its mean colour (for corners of pictures copied whole onto it).
QImage Marmol();
QColor ColorMedioMarmol();

} // namespace zp::generador
