// Whose turn it is: the seats in play in both directions, each computer's own seat at the bottom, and the
// rules that cannot be played.
#include <gtest/gtest.h>

#include "engine/reglas.h"
#include "engine/turno.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

TEST(Turno, el_turno_salta_los_asientos_fuera_de_juego_en_ambos_sentidos)
{
    // Seats, step, from; the next and the previous seat. The values 0 and 5 left one step before a leader at
    // seat 1 or 4 step onto the leader; a step of 0 from a hand-edited file goes forward.
    const std::tuple<const char*, Entero, Entero, Entero, Entero> casos[] = {
        {"1234", 1, 1, 2, 4},  {"1234", 1, 4, 1, 3}, {"1234", -1, 1, 4, 2}, {"1234", -1, 4, 3, 1},
        {"24", 1, 2, 4, 4},    {"24", 1, 4, 2, 2},   {"24", -1, 2, 4, 4},   {"134", -1, 1, 4, 3},
        {"23", -1, 2, 3, 3},   {"124", 1, 2, 4, 1},  {"124", -1, 4, 2, 1},  {"1234", 1, 0, 1, 3},
        {"1234", -1, 5, 4, 2}, {"3", 1, 3, 3, 3},    {"1234", 0, 1, 2, 4}};
    for (const auto& [enJuego, paso, desde, siguiente, anterior] : casos) {
        const Ajustes a = ConAsientos(enJuego);
        EstadoJuego e;
        e.PasoTurno = paso;
        Entero s = desde, t = desde;
        EXPECT_TRUE(CalcularJugadorSiguiente(e, a, s) && CalcularJugadorAnterior(e, a, t));
        EXPECT_EQ((std::pair<int, int>(s, t)), (std::pair<int, int>(siguiente, anterior)))
            << enJuego << " desde " << desde << " con paso " << paso;
    }
}

TEST(Turno, avanzar_y_retroceder_devuelve_asiento_y_jugada_y_sin_asientos_no_se_mueve_ni_se_cuelga)
{
    const Ajustes a = ConAsientos("134");
    EstadoJuego e;
    e.PasoTurno = -1;
    e.JugadorTurno = 1;
    e.NumeroJugada = 7;
    ASSERT_TRUE(AvanzarTurno(e, a));
    EXPECT_EQ((std::pair<int, int>(e.JugadorTurno, e.NumeroJugada)), (std::pair<int, int>(4, 8)));
    ASSERT_TRUE(RetrocederTurno(e, a));
    EXPECT_EQ((std::pair<int, int>(e.JugadorTurno, e.NumeroJugada)), (std::pair<int, int>(1, 7)));

    const Ajustes nadie = ConAsientos("");
    Entero p = 1;
    EXPECT_FALSE(CalcularJugadorSiguiente(e, nadie, p) || CalcularJugadorAnterior(e, nadie, p));
    EXPECT_FALSE(AvanzarTurno(e, nadie) || RetrocederTurno(e, nadie));
    EXPECT_EQ((std::array<int, 3>{p, e.JugadorTurno, e.NumeroJugada}), (std::array<int, 3>{1, 1, 7}));
}

TEST(Turno, cada_ordenador_ve_su_propio_asiento_abajo)
{
    // Local seat, host's seat, seat here.
    const std::array<Entero, 3> casos[] = {{2, 2, 4}, {2, 3, 1}, {2, 4, 2}, {2, 1, 3}, {4, 1, 1},
                                           {4, 3, 3}, {1, 1, 4}, {1, 4, 3}, {3, 3, 4}, {3, 4, 1}};
    for (const auto& [local, delAdministrador, aqui] : casos)
        EXPECT_EQ(CalcularJugadorRelativo(delAdministrador, local), aqui)
            << local << ", " << delAdministrador;
}

TEST(Reglas, las_reglas_que_no_permiten_jugar_se_rechazan)
{
    const Modalidad P = Modalidad::Parejas, I = Modalidad::Individual;
    // Seats, the count declared (-1: the real one), tiles each, mode.
    const std::tuple<const char*, int, Entero, Modalidad, FalloReglas> casos[] = {
        {"1234", -1, 7, P, FalloReglas::Ninguno},
        {"24", -1, 14, I, FalloReglas::Ninguno},
        {"124", -1, 9, I, FalloReglas::Ninguno},
        {"", -1, 7, I, FalloReglas::PocosJugadores},
        {"4", -1, 7, I, FalloReglas::PocosJugadores},
        {"1234", 3, 7, P, FalloReglas::JugadoresDescontados},
        {"24", -1, 6, I, FalloReglas::FichasFueraDeRango},
        {"24", -1, 15, I, FalloReglas::FichasFueraDeRango},
        {"124", -1, 10, I, FalloReglas::DemasiadasFichas},
        {"1234", -1, 8, P, FalloReglas::DemasiadasFichas},
        {"123", -1, 7, P, FalloReglas::ParejasSinCuatro},
    };
    for (const auto& [enJuego, numeroDeclarado, fichas, modo, fallo] : casos) {
        Ajustes a = ConAsientos(enJuego);
        if (numeroDeclarado >= 0) a.NumeroJugadores = static_cast<Entero>(numeroDeclarado);
        a.FichasPorJugador = fichas;
        a.ModoJuego = modo;
        EXPECT_EQ(ValidarReglas(a), fallo) << enJuego << ", fichas " << fichas;
    }
}

} // namespace
} // namespace zp
