#include <gtest/gtest.h>

#include "engine/reglas.h"
#include "engine/turno.h"

namespace zp {
namespace {

Ajustes ConAsientos(std::initializer_list<int> enJuego)
{
    Ajustes a;
    for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].EstadoJugador = EstadoAsiento::Desactivado;
    for (int p : enJuego) a.Jugador[static_cast<std::size_t>(p)].EstadoJugador = EstadoAsiento::Activado;
    a.NumeroJugadores = static_cast<Entero>(enJuego.size());
    return a;
}

struct CasoTurno
{
    std::initializer_list<int> enJuego;
    Entero paso;
    Entero desde;
    Entero siguiente;
    Entero anterior;
};

TEST(Turno, el_turno_salta_los_asientos_fuera_de_juego_en_ambos_sentidos)
{
    const CasoTurno casos[] = {
        {{1, 2, 3, 4}, 1, 1, 2, 4},
        {{1, 2, 3, 4}, 1, 4, 1, 3},
        {{1, 2, 3, 4}, -1, 1, 4, 2},
        {{1, 2, 3, 4}, -1, 4, 3, 1},
        {{2, 4}, 1, 2, 4, 4},
        {{2, 4}, 1, 4, 2, 2},
        {{2, 4}, -1, 2, 4, 4},
        {{1, 3, 4}, -1, 1, 4, 3},
        {{2, 3}, -1, 2, 3, 3},
        {{1, 2, 4}, 1, 2, 4, 1},
        {{1, 2, 4}, -1, 4, 2, 1},
        // The values 0 and 5 left one step before a leader at seat 1 or 4 step onto the leader.
        {{1, 2, 3, 4}, 1, 0, 1, 3},
        {{1, 2, 3, 4}, -1, 5, 4, 2},
    };
    for (const auto& c : casos) {
        const Ajustes a = ConAsientos(c.enJuego);
        EstadoJuego e;
        e.PasoTurno = c.paso;
        Entero p = c.desde;
        EXPECT_TRUE(CalcularJugadorSiguiente(e, a, p));
        EXPECT_EQ(p, c.siguiente) << "siguiente de " << c.desde << " con paso " << c.paso;
        p = c.desde;
        EXPECT_TRUE(CalcularJugadorAnterior(e, a, p));
        EXPECT_EQ(p, c.anterior) << "anterior de " << c.desde << " con paso " << c.paso;
    }
}

TEST(Turno, un_solo_asiento_en_juego_se_sucede_a_si_mismo)
{
    const Ajustes a = ConAsientos({3});
    EstadoJuego e;
    Entero p = 3;
    EXPECT_TRUE(CalcularJugadorSiguiente(e, a, p));
    EXPECT_EQ(p, 3);
}

TEST(Turno, sin_asientos_en_juego_el_turno_no_se_mueve_ni_se_cuelga)
{
    const Ajustes a = ConAsientos({});
    EstadoJuego e;
    e.JugadorTurno = 2;
    e.NumeroJugada = 5;
    Entero p = 2;
    EXPECT_FALSE(CalcularJugadorSiguiente(e, a, p));
    EXPECT_FALSE(CalcularJugadorAnterior(e, a, p));
    EXPECT_EQ(p, 2);
    EXPECT_FALSE(AvanzarTurno(e, a));
    EXPECT_FALSE(RetrocederTurno(e, a));
    EXPECT_EQ(e.JugadorTurno, 2);
    EXPECT_EQ(e.NumeroJugada, 5);
}

TEST(Turno, avanzar_y_retroceder_devuelve_asiento_y_jugada)
{
    const Ajustes a = ConAsientos({1, 3, 4});
    EstadoJuego e;
    e.PasoTurno = -1;
    e.JugadorTurno = 1;
    e.NumeroJugada = 7;
    ASSERT_TRUE(AvanzarTurno(e, a));
    EXPECT_EQ(e.JugadorTurno, 4);
    EXPECT_EQ(e.NumeroJugada, 8);
    ASSERT_TRUE(RetrocederTurno(e, a));
    EXPECT_EQ(e.JugadorTurno, 1);
    EXPECT_EQ(e.NumeroJugada, 7);
}

TEST(Turno, cada_ordenador_ve_su_propio_asiento_abajo)
{
    struct Caso
    {
        Entero puestoLocal, delAdministrador, aqui;
    };
    const Caso casos[] = {{2, 2, 4}, {2, 3, 1}, {2, 4, 2}, {2, 1, 3}, {4, 1, 1},
                          {4, 3, 3}, {1, 1, 4}, {1, 4, 3}, {3, 3, 4}, {3, 4, 1}};
    for (const auto& c : casos)
        EXPECT_EQ(CalcularJugadorRelativo(c.delAdministrador, c.puestoLocal), c.aqui)
            << "puesto " << c.puestoLocal << ", asiento " << c.delAdministrador;
}

TEST(Reglas, las_reglas_que_no_permiten_jugar_se_rechazan)
{
    struct Caso
    {
        std::initializer_list<int> enJuego;
        int numeroDeclarado; // -1: the real count
        Entero fichas, modo;
        FalloReglas fallo;
    };
    const Caso casos[] = {
        {{1, 2, 3, 4}, -1, 7, 1, FalloReglas::Ninguno},
        {{2, 4}, -1, 14, 2, FalloReglas::Ninguno},
        {{1, 2, 4}, -1, 9, 2, FalloReglas::Ninguno},
        {{}, -1, 7, 2, FalloReglas::PocosJugadores},
        {{4}, -1, 7, 2, FalloReglas::PocosJugadores},
        {{1, 2, 3, 4}, 3, 7, 1, FalloReglas::JugadoresDescontados},
        {{2, 4}, -1, 6, 2, FalloReglas::FichasFueraDeRango},
        {{2, 4}, -1, 15, 2, FalloReglas::FichasFueraDeRango},
        {{1, 2, 4}, -1, 10, 2, FalloReglas::DemasiadasFichas},
        {{1, 2, 3, 4}, -1, 8, 1, FalloReglas::DemasiadasFichas},
        {{1, 2, 3}, -1, 7, 1, FalloReglas::ParejasSinCuatro},
    };
    for (const auto& c : casos) {
        Ajustes a = ConAsientos(c.enJuego);
        if (c.numeroDeclarado >= 0) a.NumeroJugadores = static_cast<Entero>(c.numeroDeclarado);
        a.FichasPorJugador = c.fichas;
        a.ModoJuego = static_cast<Modalidad>(c.modo);
        EXPECT_EQ(ValidarReglas(a), c.fallo) << "asientos " << c.enJuego.size() << ", fichas " << c.fichas;
    }
}

} // namespace
} // namespace zp
