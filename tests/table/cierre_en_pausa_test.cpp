// Cerrar la ventana de la mesa mientras se dibuja una jugada, como lo pide el escritorio o desde el programa.
#include "cierre_dibujando.h"

#include "tests/common/cierre_escritorio.h"

namespace {

using prueba::Momento;

void PedirCierre(zp::mesa& m)
{
    prueba::PedirCierreDelEscritorio(m);
}

using CierreEnPausa = prueba::CierreDibujando;

TEST_F(CierreEnPausa, cerrar_mientras_se_dibuja_una_jugada_lenta_pregunta_al_acabar_y_guarda_la_partida)
{
    CerrarDibujando(5, Momento::EnPausa, PedirCierre);
}

TEST_F(CierreEnPausa, cerrar_mientras_se_dibuja_una_jugada_a_velocidad_normal_pregunta_al_acabar)
{
    CerrarDibujando(50, Momento::EnPausa, PedirCierre);
}

TEST_F(CierreEnPausa, el_cierre_que_el_escritorio_entrega_al_acabar_el_dibujo_pregunta_antes_de_otra_jugada)
{
    CerrarDibujando(50, Momento::EntrePasos, PedirCierre);
}

TEST_F(CierreEnPausa, cerrar_desde_el_programa_mientras_se_dibuja_una_jugada_pregunta_al_acabar)
{
    CerrarDibujando(50, Momento::EnPausa, [](zp::mesa& m) { m.close(); });
}

} // namespace
