// En un servidor X de verdad, sin gestor de ventanas que cuide del foco: la ayuda cerrada con Esc devuelve el
// teclado a la ventana de debajo.
#include "eventos_x.h"
#include "kit/ayuda.h"
#include "kit/entorno.h"
#include "table/mesa.h"
#include "tests/table/comun_mesa.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The window that holds the X server's keyboard focus.
xcb_window_t FocoX()
{
    xcb_connection_t* c = prueba::ConexionX();
    xcb_get_input_focus_reply_t* r = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    const xcb_window_t foco = r ? r->focus : XCB_NONE;
    free(r);
    return foco;
}

struct AyudaEnX : ::testing::Test
{
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        a.Sonido = false;
        ventana = std::make_unique<zp::mesa>(e, a);
        ventana->DisponerMesa(zp::MedirPantalla(800, 600));
        ventana->PintarFondo();
        ventana->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return FocoX() == xcb_window_t(ventana->winId()); }));
    }
    void TearDown() override
    {
        if (zp::VisorAyuda* ayuda = zp::AyudaAbierta()) delete ayuda;
        ventana.reset();
        zp::Entorno() = zp::EntornoKit{};
    }

    zp::EstadoJuego e;
    zp::Ajustes a;
    std::unique_ptr<zp::mesa> ventana;
};

TEST_F(AyudaEnX, la_ayuda_cerrada_con_esc_devuelve_el_teclado_a_la_mesa)
{
    zp::VisorAyuda* ayuda = zp::MostrarAyuda(0);
    ASSERT_TRUE(QTest::qWaitFor([ayuda] { return FocoX() == xcb_window_t(ayuda->winId()); }));
    prueba::PulsarTeclaX(*ayuda, 9); // Esc
    EXPECT_TRUE(QTest::qWaitFor([this] { return FocoX() == xcb_window_t(ventana->winId()); }, 2000))
        << "focus on X window " << FocoX();
    EXPECT_EQ(zp::AyudaAbierta(), nullptr);
}

} // namespace
