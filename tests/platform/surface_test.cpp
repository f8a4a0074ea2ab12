#include "common/imagen_referencia.h"
#include "platform/surface.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

using zp::RasterOp;
using zp::Surface;

Surface aleatoria(int w, int h, std::mt19937& gen)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, 0xFF000000u | (gen() & 0xFFFFFFu));
    // Extreme colours in the corners.
    img.setPixel(0, 0, 0xFF000000u);
    img.setPixel(w - 1, h - 1, 0xFFFFFFFFu);
    return Surface::fromImage(img);
}

QRgb definicion(RasterOp op, QRgb s, QRgb d)
{
    switch (op) {
    case RasterOp::Copy:
        return s;
    case RasterOp::And:
        return (s & d) | 0xFF000000u;
    case RasterOp::Xor:
        return (s ^ d) | 0xFF000000u;
    case RasterOp::InvertDestination:
        return ~d | 0xFF000000u;
    }
    return 0;
}

// What a copy must leave: every destination pixel whose source pixel exists takes the operation, the
// others stay as they were.
void comprobarCopia(const Surface& antes, const Surface& fuente, const Surface& despues, int dx, int dy,
                    int w, int h, int sx, int sy, RasterOp op)
{
    for (int y = 0; y < antes.height(); ++y)
        for (int x = 0; x < antes.width(); ++x) {
            const int i = x - dx, j = y - dy;
            const int fx = sx + i, fy = sy + j;
            const bool dentro = i >= 0 && j >= 0 && i < w && j < h &&
                                (op == RasterOp::InvertDestination ||
                                 (fx >= 0 && fy >= 0 && fx < fuente.width() && fy < fuente.height()));
            const QRgb esperado =
                dentro ? definicion(op, fuente.pixel(fx, fy), antes.pixel(x, y)) : antes.pixel(x, y);
            ASSERT_EQ(despues.pixel(x, y), esperado)
                << "pixel (" << x << "," << y << ") op " << int(op) << " copia " << dx << "," << dy << " "
                << w << "x" << h << " desde " << sx << "," << sy;
        }
}

TEST(Superficie, las_cuatro_operaciones_cumplen_su_definicion_pixel_a_pixel)
{
    struct Caso
    {
        int dx, dy, w, h, sx, sy;
        bool misma; // copied onto itself, overlapping
    };
    const Caso casos[] = {
        {0, 0, 37, 23, 0, 0, false},     // all
        {3, 2, 11, 9, 5, 7, false},      // an odd piece
        {-4, -3, 20, 10, 2, 1, false},   // out at the top left
        {30, 18, 20, 20, 0, 0, false},   // out at the bottom right
        {5, 5, 30, 30, -6, -2, false},   // the source starts outside
        {2, 3, 15, 12, 25, 16, false},   // the source ends outside
        {1000, 1000, 5, 5, 0, 0, false}, // wholly outside
        {1, 1, 0, 5, 0, 0, false},       // nothing wide
        {1, 1, 5, -3, 0, 0, false},      // negative height
        {1, 1, -1, -1, 0, 0, false},     // negative sizes
        {3, 2, 15, 11, 0, 0, true},      // onto itself, down right
        {0, 0, 15, 11, 4, 3, true},      // onto itself, up left
    };
    std::mt19937 gen(1234);
    for (RasterOp op : {RasterOp::Copy, RasterOp::And, RasterOp::Xor, RasterOp::InvertDestination})
        for (const Caso& c : casos) {
            const Surface antes = aleatoria(37, 23, gen);
            const Surface fuente = c.misma ? antes : aleatoria(31, 19, gen);
            Surface despues = antes;
            despues.blit(c.dx, c.dy, c.w, c.h, c.misma ? despues : fuente, c.sx, c.sy, op);
            comprobarCopia(antes, fuente, despues, c.dx, c.dy, c.w, c.h, c.sx, c.sy, op);
        }
    // Nor do the other drawings draw anything at zero or negative sizes.
    const Surface antes = aleatoria(9, 9, gen);
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 5}, std::pair{5, -3}}) {
        Surface s = antes;
        s.invert(1, 1, w, h);
        s.fillRect(1, 1, w, h, 0xFF00FF00u);
        s.stretchBlit(1, 1, w, h, antes, 0, 0, 3, 3);
        EXPECT_EQ(s.image(), antes.image()) << w << "x" << h;
    }
}

TEST(Superficie, recuadros_lineas_estirados_circulos_y_textos_se_ven_como_su_imagen_revisada)
{
    // Ink on black: a box with both corners, a two-pixel window frame from (1, 1), lines that stop short of
    // their end, two pixels stretched to four without smoothing, a circle, sloping lines, a filled box, and
    // text from its cell's corner, plain and opaque on its background (the blanks of an opaque text show the
    // background too); a font of no size writes nothing.
    // First a smaller surface grown to its size: what fits is kept, the rest in the background colour.
    Surface s(100, 50, 0xFF000000u);
    s.fillRect(90, 40, 10, 10, 0xFF00FF00u);
    s.setBackground(0xFF0000FFu);
    s.resize(120, 60);
    s.box(1, 1, 119, 59, 0xFFFFFFFFu, 2);
    s.box(4, 4, 20, 15, 0xFF00FF00u);
    s.line(4, 20, 20, 20, 0xFF00FF00u);
    s.line(4, 24, 4, 30, 0xFFFF0000u, 3);
    Surface dos(2, 1);
    dos.fillRect(0, 0, 1, 1, 0xFFFF0000u);
    dos.fillRect(1, 0, 1, 1, 0xFF0000FFu);
    s.stretchBlit(10, 26, 8, 2, dos, 0, 0, 2, 1);
    s.stretchBlit(100, 50, 8, 20, dos, 0, 0, 2, 1); // past the bottom edge
    s.fillCircle(30, 40, 6, 0xFFFFFF00u);
    s.line(50, 44, 90, 55, 0xFFFF00FFu); // steep and shallow slopes, both ways
    s.line(95, 55, 85, 25, 0xFF00FFFFu);
    s.fillBox(110, 20, 104, 12, 0xFFFF8000u); // corners given the other way round
    EXPECT_EQ(
        s.text(0, 0, QStringLiteral("nada"), zp::FontSpec{QStringLiteral("Arial"), 0, false}, 0xFFFFFFFFu),
        0);
    const zp::FontSpec letra{QStringLiteral("Arial"), 12, true};
    EXPECT_EQ(s.text(40, 4, std::string_view("Sí, señor"), letra, 0xFF0000FFu),
              zp::textWidth(std::string_view("Sí, señor"), letra));
    s.setBackground(0xFF808080u);
    s.text(40, 24, QStringLiteral("Ñu  "), letra, 0xFFFFFFFFu, true);
    EXPECT_TRUE(zp::prueba::CoincideConImagen(s.image(), "superficie", 0, 0));
}

TEST(Superficie, un_dibujo_translucido_se_carga_como_rgb32_con_su_color_crudo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage img(3, 2, QImage::Format_ARGB32);
    img.fill(0x80C86432u);
    const QString ruta = dir.filePath("dibujo.png");
    ASSERT_TRUE(img.save(ruta));
    auto s = Surface::load(ruta);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->image().format(), QImage::Format_RGB32);
    EXPECT_EQ(s->pixel(2, 1), 0xFFC86432u);

    EXPECT_FALSE(Surface::load(dir.filePath("no-existe.png")).has_value());
    QFile roto(dir.filePath("roto.png"));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("\x89PNG\r\n\x1a\n basura");
    roto.close();
    EXPECT_FALSE(Surface::load(roto.fileName()).has_value());
}

} // namespace
