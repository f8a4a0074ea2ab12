#include <gtest/gtest.h>

#include "engine/cinco_dobles.h"
#include "engine/reparto.h"
#include "engine/reparto_manual.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {
namespace {

// The automatic player's notice names it; the person is asked.
const std::string kAvisoAutomatico =
    "El jugador Jugador2 tiene cinco o más dobles entre sus fichas iniciales y ha "
    "optado por rechazarlas y repetir el juego.";

TEST(CincoDobles, en_local_el_automatico_siempre_devuelve_y_la_persona_decide)
{
    struct Caso
    {
        Entero regla, asiento, dobles, control;
        std::deque<bool> respuestas;
        DecisionCincoDobles decision;
        int lineas, botones; // of the box shown; 0 = none
    };
    // The last: "Debe jugar con ellas".
    const Caso casos[] = {{2, 2, 5, 2, {}, DecisionCincoDobles::Rechazadas, 2, 1},
                          {2, 2, 7, 3, {}, DecisionCincoDobles::Rechazadas, 2, 1},
                          {2, 2, 5, 1, {true}, DecisionCincoDobles::Aceptadas, 3, 2},
                          {2, 2, 6, 1, {false}, DecisionCincoDobles::Rechazadas, 3, 2},
                          {2, 2, 4, 2, {}, DecisionCincoDobles::Aceptadas, 0, 0},
                          {1, 2, 5, 2, {}, DecisionCincoDobles::Aceptadas, 0, 0}};
    for (const auto& k : casos) {
        Banco b;
        b.a.JugadorCincoDobles = static_cast<CincoDobles>(k.regla);
        b.a.Jugador[static_cast<std::size_t>(k.asiento)].ControlJugador = static_cast<Control>(k.control);
        b.e.DoblesJugador[static_cast<std::size_t>(k.asiento)] = k.dobles;
        b.usuario.RespuestasMensaje = k.respuestas;
        EXPECT_EQ(AplicarCincoDobles(b.c, b.a), k.decision);
        ASSERT_EQ(b.usuario.Mensajes.size(), k.lineas ? 1u : 0u);
        if (k.lineas == 0) continue;
        const auto& m = b.usuario.Mensajes[0];
        EXPECT_EQ((std::tuple{m.titulo, m.lineas, m.botones}),
                  (std::tuple{"Jugador con cinco dobles", k.lineas, k.botones}));
        EXPECT_EQ(m.texto == kAvisoAutomatico, k.control != 1);
    }
}

TEST(CincoDobles, una_mano_devuelta_se_reparte_otra_vez_con_el_mismo_numero)
{
    Banco b;
    b.a.SistemaReparto = FormaReparto::Manual;
    b.a.JugadorCincoDobles = CincoDobles::PuedeDevolver;
    b.a.Jugador[1].ControlJugador = Control::Automatico;
    b.a.Jugador[1].NombreJugador = "Jugador2"; // the message names seat 1 by its name
    // By hand: the first time seat 1 gets five doubles, then the person's default deal.
    int veces = 0;
    b.usuario.RepartoManual = [&](EstadoJuego& e) {
        if (veces++ == 0)
            for (Entero d = 0; d <= 4; ++d) ColocarFichaReparto(e, 1, d, d);
        for (Entero x = 0; x <= 6; ++x)
            for (Entero y = 0; y <= x; ++y)
                for (Entero p = 1; p <= 4 && !ColocarFichaReparto(e, p, x, y); ++p) {
                }
    };
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    EXPECT_EQ(veces, 2);
    EXPECT_EQ(b.e.NumeroMano, 1);
    EXPECT_LT(b.e.DoblesJugador[1], 5);
    ASSERT_GE(b.usuario.Mensajes.size(), 1u);
    EXPECT_EQ(b.usuario.Mensajes[0].texto, kAvisoAutomatico);
}

void EnRed(Banco& b, Entero modoRed)
{
    b.a.JuegoEnRed = true;
    b.a.ModoRed = static_cast<PapelRed>(modoRed);
    b.a.JugadorCincoDobles = CincoDobles::PuedeDevolver;
}

TEST(CincoDobles, el_cliente_que_devuelve_se_lo_dice_al_administrador)
{
    for (bool acepta : {true, false}) {
        Banco b;
        EnRed(b, 2);
        b.e.DoblesJugador[4] = 5;
        b.usuario.RespuestasMensaje = {acepta};
        EXPECT_EQ(AplicarCincoDobles(b.c, b.a),
                  acepta ? DecisionCincoDobles::Aceptadas : DecisionCincoDobles::Rechazadas);
        ASSERT_EQ(b.usuario.Mensajes.size(), 1u);
        EXPECT_EQ(b.usuario.Mensajes[0].botones, 2);
        ASSERT_EQ(b.red.Enviados.size(), 1u);
        EXPECT_EQ(b.red.Enviados[0].destino, RedNula::Envio::A::Administrador);
        EXPECT_EQ(b.red.Enviados[0].mensaje, acepta ? "ZRP33050" : "ZRP33051");
    }
}

TEST(CincoDobles, el_administrador_espera_al_remoto_descarta_digitos_malos_y_reenvia_a_los_demas)
{
    Banco b;
    EnRed(b, 1);
    b.a.Jugador[3].ControlJugador = Control::Remoto;
    b.e.DoblesJugador[3] = 5;
    b.red.Llegadas = {[&] { b.red.Cola += "057"; }, [&] { b.red.Cola += "05x"; },
                      [&] { b.red.Cola += "051"; }};
    EXPECT_EQ(AplicarCincoDobles(b.c, b.a), DecisionCincoDobles::Rechazadas);
    EXPECT_TRUE(b.red.Cola.empty());
    EXPECT_EQ(b.usuario.TituloEspera, "Jugador con cinco dobles");
    EXPECT_FALSE(b.usuario.EsperaVisible);
    ASSERT_EQ(b.red.Enviados.size(), 1u);
    EXPECT_EQ(b.red.Enviados[0].destino, RedNula::Envio::A::Clientes);
    EXPECT_EQ(b.red.Enviados[0].mensaje, "ZRP33051");
    EXPECT_EQ(b.red.Enviados[0].salvoPuesto, 3);
}

TEST(CincoDobles, el_automatico_del_administrador_devuelve_y_lo_anuncia_a_todos)
{
    Banco b;
    EnRed(b, 1);
    b.a.Jugador[2].ControlJugador = Control::Automatico;
    b.e.DoblesJugador[2] = 6;
    EXPECT_EQ(AplicarCincoDobles(b.c, b.a), DecisionCincoDobles::Rechazadas);
    ASSERT_EQ(b.usuario.Mensajes.size(), 1u);
    EXPECT_EQ(b.usuario.Mensajes[0].texto, kAvisoAutomatico);
    ASSERT_EQ(b.red.Enviados.size(), 1u);
    EXPECT_EQ(b.red.Enviados[0].mensaje, "ZRP33051");
}

TEST(CincoDobles, el_cliente_espera_la_decision_de_otro_y_solo_avisa_si_devolvio)
{
    for (const char* llega : {"050", "051"}) {
        Banco b;
        EnRed(b, 2);
        b.e.DoblesJugador[2] = 5;
        b.red.Llegadas = {[&] { b.red.Cola += llega; }};
        const bool devuelve = llega[2] == '1';
        EXPECT_EQ(AplicarCincoDobles(b.c, b.a),
                  devuelve ? DecisionCincoDobles::Rechazadas : DecisionCincoDobles::Aceptadas);
        EXPECT_EQ(b.usuario.Mensajes.size(), devuelve ? 1u : 0u);
        EXPECT_TRUE(b.red.Enviados.empty());
    }
}

TEST(CincoDobles, una_espera_abandonada_no_deja_la_espera_puesta)
{
    Banco b;
    EnRed(b, 2);
    b.e.DoblesJugador[1] = 5;
    EXPECT_EQ(AplicarCincoDobles(b.c, b.a), DecisionCincoDobles::Abandonada);
    EXPECT_FALSE(b.usuario.EsperaVisible);
}

} // namespace
} // namespace zp
