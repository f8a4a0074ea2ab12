// El cuadro de dibujo muestra su superficie tal cual, también al refrescar un trozo sin que corra el bucle de
// sucesos; con la pantalla escalada ocupa lo que le toca, su último píxel a medias no sale negro y el ratón
// vuelve en píxeles de la superficie; soltar fuera no es un clic.
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using zp::PictureBox;

// Each test sets the virtual screen it needs and puts the default back.
struct ConPantalla
{
    explicit ConPantalla(QSize real) { zp::setVirtualScreen(zp::VirtualScreen::fit(real)); }
    ~ConPantalla() { zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600))); }
};

TEST(CuadroDibujo, muestra_su_superficie_tal_cual_y_un_trozo_refrescado_al_momento)
{
    ConPantalla pantalla(QSize(800, 600));
    PictureBox caja;
    caja.setLogicalGeometry(QRect(0, 0, 37, 23));
    caja.surface().fillRect(0, 0, 37, 23, 0xFF336699u);
    caja.surface().fillRect(5, 5, 3, 2, 0xFFFF0000u);
    caja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caja));
    caja.refresh();
    EXPECT_EQ(caja.grab().toImage().convertToFormat(QImage::Format_RGB32), caja.surface().image());
    caja.surface().fillRect(10, 10, 5, 5, 0xFF00FF00u);
    caja.refresh(QRect(10, 10, 5, 5)); // no event loop runs after this
    EXPECT_EQ(caja.grab().toImage().pixel(12, 12), 0xFF00FF00u);
}

TEST(CuadroDibujo, con_la_pantalla_escalada_ocupa_lo_suyo_y_devuelve_el_raton_en_pixeles_de_la_superficie)
{
    ConPantalla pantalla(QSize(1600, 1200)); // 1.6
    QWidget ventana;
    ventana.resize(800, 600);
    PictureBox caja(&ventana);
    caja.setLogicalGeometry(QRect(100, 50, 200, 100));
    EXPECT_EQ(caja.geometry(), QRect(160, 80, 320, 160));
    EXPECT_EQ(caja.surface().width(), 200);
    std::vector<std::pair<QString, QPoint>> visto;
    for (auto [senal, nombre] :
         {std::pair{&PictureBox::pressed, "pulsa"}, std::pair{&PictureBox::released, "suelta"},
          std::pair{&PictureBox::clicked, "clic"}})
        QObject::connect(&caja, senal,
                         [&, nombre](const zp::PointerEvent& e) { visto.emplace_back(nombre, e.position); });
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    QTest::mouseClick(&caja, Qt::LeftButton, {}, QPoint(160, 80)); // real (160, 80) = surface (100, 50)
    const std::vector<std::pair<QString, QPoint>> esperado = {
        {"pulsa", QPoint(100, 50)}, {"suelta", QPoint(100, 50)}, {"clic", QPoint(100, 50)}};
    EXPECT_EQ(visto, esperado);
    // Released outside the box it is no click.
    QTest::mousePress(&caja, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&caja, Qt::LeftButton, {}, QPoint(400, 400));
    EXPECT_EQ(std::count_if(visto.begin(), visto.end(), [](const auto& v) { return v.first == "clic"; }), 1);
    // Scaled, the picture fills the box with the surface's colours.
    caja.surface().fillRect(0, 0, 200, 100, 0xFFFF0000u);
    caja.refresh();
    EXPECT_EQ(caja.grab().toImage().pixel(300, 150), 0xFFFF0000u);
}

TEST(CuadroDibujo, con_la_pantalla_escalada_el_ultimo_pixel_a_medias_no_sale_negro)
{
    ConPantalla pantalla(QSize(1024, 768)); // 1.024: 177 px of surface take 181.25 real ones
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

} // namespace
