// En un servidor X de verdad: el gestor de ventanas pide cerrar la mesa mientras se dibuja una jugada; X la
// entrega cuando acaba la pausa, y el programa pregunta al acabar el dibujo, con la pregunta atenta a la
// persona.
#include "eventos_x.h"
#include "tests/table/cierre_dibujando.h"

namespace {

struct CierreEnX : prueba::CierreDibujando
{
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
        prueba::CierreDibujando::SetUp();
    }
};

TEST_F(CierreEnX, el_cierre_pedido_mientras_se_dibuja_una_jugada_pregunta_al_acabar_y_guarda_la_partida)
{
    CerrarDibujando(50, prueba::Momento::EnPausa, [](zp::mesa& m) { prueba::CerrarVentanaX(m); });
}

} // namespace
