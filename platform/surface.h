#pragma once
// A drawing surface: the memory picture every window draws into and then shows. Pixels are QImage
// Format_RGB32; the raster operations are exact bit for bit, as the sprites with masks need.
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <string_view>

namespace zp {

// The raster operations the program copies with.
enum class RasterOp
{
    Copy,             // D := S
    And,              // D := S and D (mask)
    Xor,              // D := S xor D (sprite over a mask, or drawing that undoes itself)
    InvertDestination // D := not D; the source is not read
};

// A font as the program names it: sizes in pixels so that layout never depends on the display.
struct FontSpec
{
    QString family = QStringLiteral("Arial");
    int pixelSize = 12;
    bool bold = false;
};

// Colours written blue-green-red (&HBBGGRR, blue in the high byte) as the program's drawing calls take them.
constexpr QRgb rgbFromBgr(std::uint32_t bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

class Surface
{
public:
    Surface() = default;
    Surface(int width, int height, QRgb background = 0xFFFFFFFFu);

    // A picture from a resource (":/…") or a file, converted to RGB32; nothing when it cannot be read.
    static std::optional<Surface> load(const QString& path);
    static Surface fromImage(const QImage& image);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QRect rect() const { return image_.rect(); }
    const QImage& image() const { return image_; }
    QRgb pixel(int x, int y) const; // 0 outside the surface

    // New size; what fits is kept, the rest shows the background colour.
    void resize(int width, int height);
    QRgb background() const { return background_; }
    void setBackground(QRgb colour) { background_ = colour | 0xFF000000u; }
    void clear(); // the whole surface in the background colour

    // Copies w x h pixels from (sx, sy) of `source` to (dx, dy) with `op`. Only pixels inside both surfaces
    // take part; zero or negative sizes draw nothing. `source` may be this surface, overlapping or not.
    void blit(int dx, int dy, int w, int h, const Surface& source, int sx, int sy,
              RasterOp op = RasterOp::Copy);
    void invert(int x, int y, int w, int h); // InvertDestination on a rectangle

    // Copies (sx, sy, sw, sh) of `source` stretched over (dx, dy, dw, dh), nearest pixel, no smoothing.
    void stretchBlit(int dx, int dy, int dw, int dh, const Surface& source, int sx, int sy, int sw, int sh);

    // A line of `width` pixels from (x1, y1) towards (x2, y2); the end point itself is not drawn. A wide
    // line covers the pixels from width/2 above or left of the line on.
    void line(int x1, int y1, int x2, int y2, QRgb colour, int width = 1);
    // Outline of the box with corners (x1, y1) and (x2, y2), both corners included.
    void box(int x1, int y1, int x2, int y2, QRgb colour, int width = 1);
    void fillBox(int x1, int y1, int x2, int y2, QRgb colour);
    void fillRect(int x, int y, int w, int h, QRgb colour); // zero or negative sizes draw nothing
    void fillCircle(int cx, int cy, int radius, QRgb colour);

    // Text whose cell has its top-left corner at (x, y). With `opaque` the cell is first painted in the
    // background colour. Returns the width drawn.
    int text(int x, int y, const QString& text, const FontSpec& font, QRgb colour, bool opaque = false);
    int text(int x, int y, std::string_view utf8, const FontSpec& font, QRgb colour, bool opaque = false);

private:
    void dot(int x, int y, QRgb colour, int width);

    QImage image_;
    QRgb background_ = 0xFFFFFFFFu;
};

// Width and height of a text cell in pixels, as `Surface::text` lays it out.
int textWidth(const QString& text, const FontSpec& font);
int textWidth(std::string_view utf8, const FontSpec& font);
int textHeight(const FontSpec& font);

} // namespace zp
