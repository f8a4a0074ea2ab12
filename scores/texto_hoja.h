#pragma once
// Lettering of the score windows' sheets, which the surface's own text does not cover: handwriting in
// italics, and fixed-pitch tables whose columns are counted in characters.
#include "platform/surface.h"

#include <QFont>
#include <QString>

namespace zp {

// Colours of the sheets besides the kit's.
inline constexpr QRgb kVerde = rgbFromBgr(0x008000);
inline constexpr QRgb kVerdeVivo = rgbFromBgr(0x00FF00);
inline constexpr QRgb kMagenta = rgbFromBgr(0xFF00FF);
inline constexpr QRgb kGrisPalido = rgbFromBgr(0xEAEAEA);

// One text as a sheet printed it: its cell's top-left corner, the text and how it was written.
struct TextoImpreso
{
    int x = 0, y = 0;
    QString texto;
    bool negrita = false;
    QRgb color = 0;
};

// The Qt font of `f`, italic or not. Full hinting keeps a fixed-pitch font on whole pixels.
QFont FuenteHoja(const FontSpec& f, bool cursiva);

// Text whose cell has its top-left corner at (x, y); returns its width.
int EscribirEnHoja(Surface& s, int x, int y, const QString& texto, const QFont& fuente, QRgb color);
int AnchoEnHoja(const QString& texto, const QFont& fuente);

// Text on a grid of `paso` pixels a character, whatever the font's own advance, so that the characters of
// one line stand exactly under those of another.
void EscribirEnRejilla(Surface& s, int x, int y, const QString& texto, const QFont& fuente, QRgb color,
                       int paso);

} // namespace zp
