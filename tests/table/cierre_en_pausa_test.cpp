// Cerrar la ventana de la mesa mientras se dibuja una jugada, un reparto o el final de un juego, como lo pide
// el escritorio o desde el programa; dos cierres seguidos, o un cierre y el botón de salir, preguntan una
// sola vez.
#include "cierre_dibujando.h"

#include "platform/outside_pause.h"
#include "tests/common/cierre_escritorio.h"

namespace {

using prueba::Momento;

void PedirCierre(zp::mesa& m)
{
    prueba::PedirCierreDelEscritorio(m);
}

struct CierreEnPausa : prueba::CierreDibujando
{
    // The program started again in the same folder goes on at the next hand, with the hand that was left on
    // its score sheet and in its totals.
    void ReanudarConLaManoAnotada()
    {
        const zp::RegistroMano anotada = programa->e.Anotaciones[1];
        const bool decenas = programa->a.SistemaAnotacion == zp::Anotacion::Decenas;
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        cajas.clear();
        resultados.clear();
        std::optional<zp::EstadoJuego> visto;
        pasos = {{[&] { return zp::matchLoopRunning() && programa->e.NumeroMano == 2; },
                  [&] {
                      visto = programa->e;
                      zp::abandonMatch();
                  }}};
        primeraVez = true;
        Arrancar();
        EXPECT_TRUE(HayCaja(QStringLiteral("Continuar la partida anterior")));
        ASSERT_TRUE(visto) << "the match went on at the next hand";
        EXPECT_EQ(visto->Anotaciones[1], anotada);
        EXPECT_EQ(visto->TotalPareja1, decenas ? anotada.DecenasPareja1 : anotada.PuntosPareja1);
        EXPECT_EQ(visto->TotalPareja2, decenas ? anotada.DecenasPareja2 : anotada.PuntosPareja2);
        EXPECT_GT(visto->TotalPareja1 + visto->TotalPareja2, 0);
    }
};

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

TEST_F(CierreEnPausa, cerrar_durante_el_reparto_pregunta_tras_la_caja_que_lo_sigue)
{
    CerrarDibujando(50, Momento::EnReparto, PedirCierre);
}

TEST_F(CierreEnPausa, cerrar_durante_la_ultima_jugada_pregunta_tras_el_final_del_juego_y_lo_anota)
{
    CerrarDibujando(75, Momento::UltimaJugada, PedirCierre);
    ReanudarConLaManoAnotada();
}

TEST_F(CierreEnPausa, cerrar_durante_las_pausas_del_final_del_juego_pregunta_tras_su_caja_y_lo_anota)
{
    CerrarDibujando(75, Momento::FinDeMano, PedirCierre);
    ReanudarConLaManoAnotada();
}

// What is left for later during the hand's end (the exit button's press, here) waits for its box as well.
TEST_F(CierreEnPausa, lo_dejado_para_luego_durante_el_final_del_juego_se_atiende_tras_su_caja)
{
    CerrarDibujando(75, Momento::FinDeMano,
                    [](zp::mesa& m) { zp::postOutsidePause(&m, [&m] { m.PedirBoton(7); }); });
}

TEST_F(CierreEnPausa, dos_cierres_seguidos_durante_una_jugada_preguntan_una_vez_y_con_no_la_partida_sigue)
{
    CerrarDibujando(20, Momento::EnPausa, PedirCierre, 2, false);
}

TEST_F(CierreEnPausa, dos_cierres_seguidos_durante_una_jugada_preguntan_una_vez_y_con_si_termina)
{
    CerrarDibujando(20, Momento::EnPausa, PedirCierre, 2, true);
}

TEST_F(CierreEnPausa, cerrar_con_la_pregunta_de_salir_abierta_no_anade_otra)
{
    CerrarConLaPreguntaDeSalir(PedirCierre, CierreYSalir::ConLaPreguntaAbierta);
}

TEST_F(CierreEnPausa, el_cierre_que_espera_cuando_se_pulsa_salir_lo_contesta_esa_misma_pregunta)
{
    CerrarConLaPreguntaDeSalir(PedirCierre, CierreYSalir::AntesDelBoton);
}

TEST_F(CierreEnPausa, cerrar_y_pulsar_salir_durante_una_jugada_pregunta_una_vez_al_acabarla)
{
    CerrarConLaPreguntaDeSalir(PedirCierre, CierreYSalir::EnLaMismaPausa);
}

} // namespace
