#include "platform/virtual_screen.h"

#include <gtest/gtest.h>

namespace {

using zp::VirtualScreen;

TEST(PantallaVirtual, la_pantalla_real_se_reduce_entre_800x600_y_1000x1000)
{
    // real, logical, scale
    const std::tuple<QSize, QSize, double> casos[] = {
        {{800, 600}, {800, 600}, 1.0},
        {{1000, 1000}, {1000, 1000}, 1.0},
        {{1024, 768}, {1000, 750}, 1.024},
        {{1280, 1024}, {1000, 800}, 1.28},
        {{1600, 1200}, {1000, 750}, 1.6},
        {{1920, 1080}, {1000, 600}, 1.8}, // too wide for 1000: the height stops at 600
        {{2560, 1440}, {1000, 600}, 2.4},
        {{1366, 768}, {1000, 600}, 1.28},
        {{1024, 576}, {1000, 600}, 0.96}, // too short: 600 high, scaled down to fit
        {{640, 480}, {800, 600}, 0.8},    // narrower than 800: the 800x600 mode
        {{0, 0}, {800, 600}, 1.0},        // no screen at all
    };
    for (const auto& [real, logica, escala] : casos) {
        SCOPED_TRACE(testing::Message() << real.width() << "x" << real.height());
        const VirtualScreen p = VirtualScreen::fit(real);
        EXPECT_EQ(p.logicalSize(), logica);
        EXPECT_NEAR(p.scale(), escala, 1e-9);
        // Scaled back, it never passes the real screen.
        if (real.width() > 0) {
            EXPECT_LE(p.toReal(p.width()), real.width());
            EXPECT_LE(p.toReal(p.height()), real.height());
        }
    }
}

TEST(PantallaVirtual, el_modo_800x600_se_escala_para_caber)
{
    const VirtualScreen p = VirtualScreen::switched(QSize(640, 400));
    EXPECT_EQ(p.logicalSize(), QSize(800, 600));
    EXPECT_NEAR(p.scale(), 400.0 / 600.0, 1e-12);
    EXPECT_TRUE(VirtualScreen::fit(QSize(799, 600)).narrowerThanMinimum());
    EXPECT_FALSE(VirtualScreen::fit(QSize(800, 600)).narrowerThanMinimum());
    // Centred: 800x600 at 2/3 is 533 wide on a 640 screen.
    EXPECT_EQ(p.origin(), QPoint((640 - 533) / 2, 0));
}

TEST(PantallaVirtual, el_puntero_vuelve_al_pixel_logico_que_lo_contiene)
{
    const VirtualScreen p = VirtualScreen::fit(QSize(1920, 1080)); // 1.8, 1000x600 centred
    EXPECT_EQ(p.origin(), QPoint(60, 0));
    EXPECT_EQ(p.toLogical(QPointF(0, 0)), QPoint(0, 0));
    EXPECT_EQ(p.toLogical(QPointF(1.7, 1.7)), QPoint(0, 0));
    EXPECT_EQ(p.toLogical(QPointF(1.8, 3.6)), QPoint(1, 2));
    EXPECT_EQ(p.toLogical(QPointF(1799, 1079)), QPoint(999, 599));
    EXPECT_EQ(p.toLogicalOnScreen(QPointF(60 + 18, 18)), QPoint(10, 10));
    // Every logical pixel's real rectangle maps back to that pixel.
    for (int x = 0; x < 50; ++x) {
        const QRect r = p.toReal(QRect(x, 0, 1, 1));
        EXPECT_EQ(p.toLogical(r.topLeft()).x(), x);
        EXPECT_EQ(p.toLogical(QPointF(r.right(), 0)).x(), x);
    }
    // Neighbouring rectangles meet without a gap.
    EXPECT_EQ(p.toReal(QRect(0, 0, 7, 7)).right() + 1, p.toReal(QRect(7, 0, 5, 5)).left());
    EXPECT_EQ(p.toRealOnScreen(QRect(0, 0, 1000, 600)), QRect(60, 0, 1800, 1080));
}

} // namespace
