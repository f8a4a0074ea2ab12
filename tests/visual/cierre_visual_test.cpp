// En un servidor X de verdad: el gestor de ventanas pide cerrar la mesa mientras se dibuja una jugada, un
// reparto o el final de un juego; X la entrega como una entrada, que la pausa no lee y que una caja abierta
// entretanto no deja pasar a la mesa. El programa pregunta una sola vez, al acabar el dibujo y la caja que
// venga detrás, con la pregunta atenta a la persona.
#include "eventos_x.h"
#include "tests/table/cierre_dibujando.h"

#include <optional>

namespace {

using CierreEnX = prueba::EnX<prueba::CierreDibujando>;

using prueba::Momento;

void CerrarX(zp::mesa& m)
{
    prueba::CerrarVentanaX(m);
}

TEST_F(CierreEnX, el_cierre_pedido_mientras_se_dibuja_una_jugada_pregunta_al_acabar_y_guarda_la_partida)
{
    CerrarDibujando(50, Momento::EnPausa, CerrarX);
}

TEST_F(CierreEnX, el_cierre_pedido_durante_el_reparto_pregunta_tras_la_caja_que_lo_sigue)
{
    CerrarDibujando(50, Momento::EnReparto, CerrarX);
}

TEST_F(CierreEnX, el_cierre_pedido_durante_la_ultima_jugada_pregunta_tras_el_final_del_juego_y_lo_anota)
{
    CerrarDibujando(75, Momento::UltimaJugada, CerrarX);
}

TEST_F(CierreEnX, el_cierre_pedido_durante_las_pausas_del_final_del_juego_pregunta_tras_su_caja_y_lo_anota)
{
    CerrarDibujando(75, Momento::FinDeMano, CerrarX);
}

TEST_F(CierreEnX, dos_cierres_seguidos_durante_una_jugada_preguntan_una_vez_y_con_no_la_partida_sigue)
{
    CerrarDibujando(20, Momento::EnPausa, CerrarX, 2, false);
}

TEST_F(CierreEnX, dos_cierres_seguidos_durante_una_jugada_preguntan_una_vez_y_con_si_termina)
{
    CerrarDibujando(20, Momento::EnPausa, CerrarX, 2, true);
}

TEST_F(CierreEnX, cerrar_con_la_pregunta_de_salir_abierta_no_anade_otra)
{
    // Looked at after the program's own filters, which may keep the close from the rest.
    std::optional<prueba::CierresLeidosX> leidos;
    CerrarConLaPreguntaDeSalir(
        [&](zp::mesa& m) {
            leidos.emplace();
            CerrarX(m);
        },
        CierreYSalir::ConLaPreguntaAbierta, [&] { return leidos && leidos->leidos > 0; });
}

} // namespace
