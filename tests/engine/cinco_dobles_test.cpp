#include <gtest/gtest.h>

#include "engine/cinco_dobles.h"
#include "engine/indices.h"
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
    // Rule (the last: "Debe jugar con ellas"), doubles held by seat 2 and who plays it, the person's answer;
    // the decision and the lines and buttons of the box shown (0: none).
    const std::tuple<Entero, Entero, Entero, std::deque<bool>, DecisionCincoDobles, int, int> casos[] = {
        {2, 5, 2, {}, DecisionCincoDobles::Rechazadas, 2, 1},
        {2, 7, 3, {}, DecisionCincoDobles::Rechazadas, 2, 1},
        {2, 5, 1, {true}, DecisionCincoDobles::Aceptadas, 3, 2},
        {2, 6, 1, {false}, DecisionCincoDobles::Rechazadas, 3, 2},
        {2, 4, 2, {}, DecisionCincoDobles::Aceptadas, 0, 0},
        {1, 5, 2, {}, DecisionCincoDobles::Aceptadas, 0, 0}};
    for (const auto& [regla, dobles, control, respuestas, decision, lineas, botones] : casos) {
        Banco b;
        b.a.JugadorCincoDobles = static_cast<CincoDobles>(regla);
        b.a.Jugador[2].ControlJugador = static_cast<Control>(control);
        b.e.DoblesJugador[2] = dobles;
        b.usuario.RespuestasMensaje = respuestas;
        EXPECT_EQ(AplicarCincoDobles(b.c, b.a), decision);
        ASSERT_EQ(b.usuario.Mensajes.size(), lineas ? 1u : 0u);
        if (lineas == 0) continue;
        const auto& m = b.usuario.Mensajes[0];
        EXPECT_EQ((std::tuple{m.titulo, m.lineas, m.botones}),
                  (std::tuple{"Jugador con cinco dobles", lineas, botones}));
        EXPECT_EQ(m.texto == kAvisoAutomatico, control != 1);
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

TEST(CincoDobles, en_red_decide_el_asiento_que_los_tiene_y_la_decision_llega_a_los_demas)
{
    using A = RedNula::Envio::A;
    const auto R = DecisionCincoDobles::Rechazadas, S = DecisionCincoDobles::Aceptadas;
    // This computer hosts or joins; the seat with the doubles and who plays it; the person's answer; what
    // arrives while waited for. Then the decision, the boxes shown (buttons of the first) and what is sent.
    // clang-format off
    const std::tuple<const char*, bool, Entero, Control, std::deque<bool>, std::vector<std::string>, DecisionCincoDobles, std::vector<int>, std::string, A, Entero> casos[] = {
        {"el cliente que acepta se lo dice al administrador", false, 4, Control::Manual, {true}, {}, S, {2}, "ZRP33050", A::Administrador, 0},
        {"el cliente que devuelve se lo dice al administrador", false, 4, Control::Manual, {false}, {}, R, {2}, "ZRP33051", A::Administrador, 0},
        {"el administrador espera al remoto y descarta digitos malos", true, 3, Control::Remoto, {}, {"057", "05x", "051"}, R, {}, "ZRP33051", A::Clientes, 3},
        {"el remoto perdido mientras se le espera devuelve como el automatico", true, 3, Control::Remoto, {}, {"perdido"}, R, {}, "ZRP33051", A::Clientes, 3},
        {"el automatico del administrador devuelve y lo anuncia", true, 2, Control::Automatico, {}, {}, R, {1}, "ZRP33051", A::Clientes, 2},
        {"el cliente espera la decision de otro", false, 2, Control::Automatico, {}, {"050"}, S, {}, "", A::Todos, 0},
        {"el cliente avisa si el otro devolvio", false, 2, Control::Automatico, {}, {"051"}, R, {1}, "", A::Todos, 0},
        {"una espera abandonada no deja la espera puesta", false, 1, Control::Automatico, {}, {}, DecisionCincoDobles::Abandonada, {}, "", A::Todos, 0},
    };
    // clang-format on
    for (const auto& [nombre, administrador, asiento, control, respuestas, llegadas, decision, botones,
                      enviado, destino, salvo] : casos) {
        SCOPED_TRACE(nombre);
        Banco b;
        b.a.JuegoEnRed = true;
        b.a.ModoRed = administrador ? PapelRed::Administrador : PapelRed::Cliente;
        b.a.JugadorCincoDobles = CincoDobles::PuedeDevolver;
        b.a.Jugador[I(asiento)].ControlJugador = control;
        b.e.DoblesJugador[I(asiento)] = 5;
        b.usuario.RespuestasMensaje = respuestas;
        for (const std::string& l : llegadas)
            b.red.Llegadas.push_back([&b, l, asiento] {
                if (l == "perdido")
                    b.a.Jugador[I(asiento)].ControlJugador = Control::Automatico;
                else
                    b.red.Cola += l;
            });
        EXPECT_EQ(AplicarCincoDobles(b.c, b.a), decision);
        std::vector<int> vistos;
        for (const auto& m : b.usuario.Mensajes) vistos.push_back(m.botones);
        EXPECT_EQ(vistos, botones);
        EXPECT_TRUE(botones != std::vector<int>{1} || b.usuario.Mensajes[0].texto == kAvisoAutomatico);
        EXPECT_TRUE(b.red.Cola.empty());
        EXPECT_FALSE(b.usuario.EsperaVisible);
        // Waited for the decision: the arrivals were read, or the wait was left.
        const bool espero = !llegadas.empty() || decision == DecisionCincoDobles::Abandonada;
        EXPECT_EQ(b.usuario.TituloEspera, espero ? "Jugador con cinco dobles" : "");
        ASSERT_EQ(b.red.Enviados.size(), enviado.empty() ? 0u : 1u);
        if (enviado.empty()) continue;
        EXPECT_EQ(
            (std::tuple{b.red.Enviados[0].destino, b.red.Enviados[0].mensaje, b.red.Enviados[0].salvoPuesto}),
            (std::tuple{destino, enviado, salvo}));
    }
}

} // namespace
} // namespace zp
