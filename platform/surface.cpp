#include "platform/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>

namespace zp {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

QFont toQFont(const FontSpec& desc)
{
    QFont font(desc.family);
    font.setPixelSize(std::max(1, desc.pixelSize));
    font.setBold(desc.bold);
    // Sub-pixel colour fringes would differ from one display to another.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

// Clips a w x h copy from (sx, sy) of a source sized `src` to (dx, dy) of a destination sized `dst`.
// Returns false when nothing is left.
bool clipCopy(long long& dx, long long& dy, long long& w, long long& h, long long& sx, long long& sy,
              QSize src, QSize dst)
{
    auto clipAxis = [](long long& d, long long& s, long long& len, long long srcLen, long long dstLen) {
        if (s < 0) {
            d -= s;
            len += s;
            s = 0;
        }
        if (d < 0) {
            s -= d;
            len += d;
            d = 0;
        }
        len = std::min({len, srcLen - s, dstLen - d});
        return len > 0;
    };
    return clipAxis(dx, sx, w, src.width(), dst.width()) && clipAxis(dy, sy, h, src.height(), dst.height());
}

} // namespace

Surface::Surface(int width, int height, QRgb background)
    : image_(std::max(0, width), std::max(0, height), QImage::Format_RGB32), background_(background | kOpaque)
{
    image_.fill(background_);
}

std::optional<Surface> Surface::load(const QString& path)
{
    QImage picture(path);
    if (picture.isNull()) return std::nullopt;
    return fromImage(picture);
}

Surface Surface::fromImage(const QImage& image)
{
    Surface s;
    // RGB32 keeps the raw colour of translucent pixels, as the raster operations expect.
    s.image_ = image.convertToFormat(QImage::Format_RGB32);
    return s;
}

QRgb Surface::pixel(int x, int y) const
{
    if (!image_.rect().contains(x, y)) return 0;
    return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
}

void Surface::resize(int width, int height)
{
    Surface bigger(width, height, background_);
    bigger.blit(0, 0, this->width(), this->height(), *this, 0, 0);
    image_ = std::move(bigger.image_);
}

void Surface::clear()
{
    image_.fill(background_);
}

void Surface::blit(int dx, int dy, int w, int h, const Surface& source, int sx, int sy, RasterOp op)
{
    if (w <= 0 || h <= 0) return;
    if (op == RasterOp::InvertDestination) {
        invert(dx, dy, w, h);
        return;
    }
    long long x = dx, y = dy, cw = w, ch = h, ox = sx, oy = sy;
    if (!clipCopy(x, y, cw, ch, ox, oy, source.image_.size(), image_.size())) return;

    if (&source == this) {
        // Overlapping copies within one surface read the pixels as they were before the copy.
        Surface part = fromImage(image_.copy(int(ox), int(oy), int(cw), int(ch)));
        blit(int(x), int(y), int(cw), int(ch), part, 0, 0, op);
        return;
    }
    for (long long row = 0; row < ch; ++row) {
        const QRgb* s = reinterpret_cast<const QRgb*>(source.image_.constScanLine(int(oy + row))) + ox;
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(int(y + row))) + x;
        switch (op) {
        case RasterOp::Copy:
            for (long long i = 0; i < cw; ++i) d[i] = s[i] | kOpaque;
            break;
        case RasterOp::And:
            for (long long i = 0; i < cw; ++i) d[i] = (s[i] & d[i]) | kOpaque;
            break;
        case RasterOp::Xor:
            for (long long i = 0; i < cw; ++i) d[i] = (s[i] ^ d[i]) | kOpaque;
            break;
        case RasterOp::InvertDestination:
            assert(false);
            break;
        }
    }
}

void Surface::invert(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0) return;
    const QRect r = QRect(x, y, w, h).intersected(image_.rect());
    for (int row = r.top(); row <= r.bottom(); ++row) {
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int i = r.left(); i <= r.right(); ++i) d[i] = ~d[i] | kOpaque;
    }
}

void Surface::stretchBlit(int dx, int dy, int dw, int dh, const Surface& source, int sx, int sy, int sw,
                          int sh)
{
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const QImage from = (&source == this) ? image_.copy() : source.image_;
    for (int j = 0; j < dh; ++j) {
        const int ty = dy + j;
        const int fy = sy + int((long long)j * sh / dh);
        if (ty < 0 || ty >= height() || fy < 0 || fy >= from.height()) continue;
        const QRgb* s = reinterpret_cast<const QRgb*>(from.constScanLine(fy));
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(ty));
        for (int i = 0; i < dw; ++i) {
            const int tx = dx + i;
            const int fx = sx + int((long long)i * sw / dw);
            if (tx < 0 || tx >= width() || fx < 0 || fx >= from.width()) continue;
            d[tx] = s[fx] | kOpaque;
        }
    }
}

void Surface::fillRect(int x, int y, int w, int h, QRgb colour)
{
    if (w <= 0 || h <= 0) return;
    const QRect r = QRect(x, y, w, h).intersected(image_.rect());
    for (int row = r.top(); row <= r.bottom(); ++row) {
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(row));
        std::fill(d + r.left(), d + r.right() + 1, colour | kOpaque);
    }
}

void Surface::dot(int x, int y, QRgb colour, int width)
{
    const int back = width / 2;
    fillRect(x - back, y - back, width, width, colour);
}

void Surface::line(int x1, int y1, int x2, int y2, QRgb colour, int width)
{
    if (width <= 0) return;
    // Bresenham, stopping short of the end point.
    const int ddx = std::abs(x2 - x1), ddy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1, stepY = y1 < y2 ? 1 : -1;
    int err = ddx + ddy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        dot(x, y, colour, width);
        const int e2 = 2 * err;
        if (e2 >= ddy) {
            err += ddy;
            x += stepX;
        }
        if (e2 <= ddx) {
            err += ddx;
            y += stepY;
        }
    }
}

void Surface::box(int x1, int y1, int x2, int y2, QRgb colour, int width)
{
    if (width <= 0) return;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int back = width / 2;
    const int spanX = x2 - x1 + width, spanY = y2 - y1 + width;
    fillRect(x1 - back, y1 - back, spanX, width, colour);
    fillRect(x1 - back, y2 - back, spanX, width, colour);
    fillRect(x1 - back, y1 - back, width, spanY, colour);
    fillRect(x2 - back, y1 - back, width, spanY, colour);
}

void Surface::fillBox(int x1, int y1, int x2, int y2, QRgb colour)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    fillRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1, colour);
}

void Surface::fillCircle(int cx, int cy, int radius, QRgb colour)
{
    if (radius < 0) return;
    for (int j = -radius; j <= radius; ++j) {
        int half = 0;
        while ((half + 1) * (half + 1) + j * j <= radius * radius) ++half;
        fillRect(cx - half, cy + j, 2 * half + 1, 1, colour);
    }
}

int Surface::text(int x, int y, const QString& text, const FontSpec& font, QRgb colour, bool opaque)
{
    if (font.pixelSize <= 0 || text.isEmpty() || image_.isNull()) return 0;
    const QFont qfont = toQFont(font);
    const QFontMetrics metrics(qfont);
    const int advance = metrics.horizontalAdvance(text);
    QPainter painter(&image_);
    if (opaque) painter.fillRect(x, y, advance, metrics.height(), QColor::fromRgb(background_));
    painter.setFont(qfont);
    painter.setPen(QColor::fromRgb(colour | kOpaque));
    painter.drawText(x, y + metrics.ascent(), text);
    return advance;
}

int Surface::text(int x, int y, std::string_view utf8, const FontSpec& font, QRgb colour, bool opaque)
{
    return text(x, y, QString::fromUtf8(utf8.data(), qsizetype(utf8.size())), font, colour, opaque);
}

int textWidth(const QString& text, const FontSpec& font)
{
    if (font.pixelSize <= 0) return 0;
    return QFontMetrics(toQFont(font)).horizontalAdvance(text);
}

int textWidth(std::string_view utf8, const FontSpec& font)
{
    return textWidth(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())), font);
}

int textHeight(const FontSpec& font)
{
    if (font.pixelSize <= 0) return 0;
    return QFontMetrics(toQFont(font)).height();
}

} // namespace zp
