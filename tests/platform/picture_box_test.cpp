#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using zp::PictureBox;
using zp::VirtualScreen;

// Each test sets the virtual screen it needs and puts the default back.
struct ConPantalla
{
    explicit ConPantalla(QSize real) { zp::setVirtualScreen(VirtualScreen::fit(real)); }
    ~ConPantalla() { zp::setVirtualScreen(VirtualScreen::fit(QSize(800, 600))); }
};

TEST(CuadroDibujo, muestra_su_superficie_tal_cual)
{
    ConPantalla pantalla(QSize(800, 600));
    PictureBox caja;
    caja.setLogicalGeometry(QRect(0, 0, 37, 23));
    caja.surface().fillRect(0, 0, 37, 23, 0xFF336699u);
    caja.surface().fillRect(5, 5, 3, 2, 0xFFFF0000u);
    caja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caja));
    caja.refresh();
    const QImage visto = caja.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(visto, caja.surface().image());
}

TEST(CuadroDibujo, con_la_pantalla_escalada_el_ultimo_pixel_a_medias_no_sale_negro)
{
    ConPantalla pantalla(QSize(1024, 768)); // 1.024: 177 px de superficie ocupan 181,25 reales
    QWidget ventana;
    PictureBox caja(&ventana);
    caja.setLogicalGeometry(QRect(37, 45, 177, 38));
    caja.surface().setBackground(0xFFC0C0C0u);
    caja.surface().clear();
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    const QImage visto = caja.grab().toImage();
    for (int y : {0, 20, visto.height() - 1}) EXPECT_GT(qGray(visto.pixel(visto.width() - 1, y)), 150) << y;
}

TEST(CuadroDibujo, refrescar_un_rectangulo_lo_muestra_al_momento)
{
    ConPantalla pantalla(QSize(800, 600));
    PictureBox caja;
    caja.setLogicalGeometry(QRect(0, 0, 40, 40));
    caja.surface().fillRect(0, 0, 40, 40, 0xFF000000u);
    caja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caja));
    caja.surface().fillRect(10, 10, 5, 5, 0xFF00FF00u);
    caja.refresh(QRect(10, 10, 5, 5)); // no event loop runs after this
    const QImage visto = caja.grab().toImage();
    EXPECT_EQ(visto.pixel(12, 12), 0xFF00FF00u);
}

TEST(CuadroDibujo, escala_con_la_pantalla_y_devuelve_el_raton_en_pixeles_de_la_superficie)
{
    ConPantalla pantalla(QSize(1600, 1200)); // 1.6
    QWidget ventana;
    ventana.resize(800, 600);
    PictureBox caja(&ventana);
    caja.setLogicalGeometry(QRect(100, 50, 200, 100));
    EXPECT_EQ(caja.geometry(), QRect(160, 80, 320, 160));
    EXPECT_EQ(caja.surface().width(), 200);

    std::vector<std::pair<QString, QPoint>> visto;
    QObject::connect(&caja, &PictureBox::pressed,
                     [&](const zp::PointerEvent& e) { visto.emplace_back("pulsa", e.position); });
    QObject::connect(&caja, &PictureBox::released,
                     [&](const zp::PointerEvent& e) { visto.emplace_back("suelta", e.position); });
    QObject::connect(&caja, &PictureBox::clicked,
                     [&](const zp::PointerEvent& e) { visto.emplace_back("clic", e.position); });
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    QTest::mouseClick(&caja, Qt::LeftButton, {}, QPoint(160, 80)); // real (160, 80) = surface (100, 50)
    const std::vector<std::pair<QString, QPoint>> esperado = {
        {"pulsa", QPoint(100, 50)}, {"suelta", QPoint(100, 50)}, {"clic", QPoint(100, 50)}};
    EXPECT_EQ(visto, esperado);

    // Scaled, the picture still fills the box with the surface's colours.
    caja.surface().fillRect(0, 0, 200, 100, 0xFFFF0000u);
    caja.refresh();
    EXPECT_EQ(caja.grab().toImage().pixel(300, 150), 0xFFFF0000u);
}

TEST(CuadroDibujo, soltar_fuera_no_es_un_clic)
{
    ConPantalla pantalla(QSize(800, 600));
    QWidget ventana;
    ventana.resize(300, 300);
    PictureBox caja(&ventana);
    caja.setLogicalGeometry(QRect(0, 0, 50, 50));
    int clics = 0;
    QObject::connect(&caja, &PictureBox::clicked, [&](const zp::PointerEvent&) { ++clics; });
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    QTest::mousePress(&caja, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&caja, Qt::LeftButton, {}, QPoint(120, 120));
    EXPECT_EQ(clics, 0);
}

} // namespace
