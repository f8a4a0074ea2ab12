// Seeded matches of automatic players: the top level must beat the bottom one clearly. The figures are
// golden: a change in the chooser shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/soporte/mano_automatica.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {
namespace {

struct Serie
{
    std::array<int, 3> Ganadas{}; // by pair code
    std::array<int, 3> Puntos{};
    int Empates = 0, Fallidas = 0;
    std::uint64_t Jugadas = 1469598103934665603ull; // every move of every hand, folded into one number
};

// Pairs play, four automatic players; hand 1 again every ten hands.
Serie JugarSerie(std::uint32_t semilla, int manos, std::array<int, 5> nivel, std::array<int, 5> caracter)
{
    MotorSinVentana motor(semilla);
    AzarSemilla azarJuego(semilla + 1000u);
    for (std::size_t p = 1; p <= 4; ++p) {
        motor.a.Jugador[p].ControlJugador = Control::Automatico;
        motor.a.Jugador[p].NivelJugador = static_cast<Entero>(nivel[p]);
        motor.a.Jugador[p].CaracterJugador = static_cast<Caracter>(caracter[p]);
    }
    Contexto reparto = motor.Ctx();
    Contexto juego{motor.e,     motor.a,   motor.pantalla, motor.mesa, motor.usuario,
                   motor.ritmo, motor.red, motor.almacen,  azarJuego};
    Serie s;
    const EstadoJuego& e = motor.e;
    for (int m = 0; m < manos; ++m) {
        if (m % 10 == 0) EmpezarSerie(motor.e);
        const ResultadoManoAutomatica r = JugarManoAutomatica(reparto, juego);
        if (!r.Valida) {
            ++s.Fallidas;
            EmpezarSerie(motor.e);
            continue;
        }
        for (int n = 1; n <= e.NumeroJugada; ++n) {
            const RegistroJugada& j = e.Jugadas[static_cast<std::size_t>(n)];
            const auto v = static_cast<std::uint64_t>(j.PuntoUnido * 100 + j.PuntoAbierto * 10 + j.Extremo);
            s.Jugadas = (s.Jugadas ^ v) * 1099511628211ull;
        }
        if (r.Ganador == 0) {
            ++s.Empates;
            continue;
        }
        ++s.Ganadas[static_cast<std::size_t>(r.Ganador)];
        s.Puntos[static_cast<std::size_t>(r.Ganador)] += r.Puntos;
    }
    return s;
}

TEST(TorneoAutomatico, el_nivel_100_gana_claramente_al_nivel_0_en_2000_manos)
{
    // Pair 1 (seats 2 and 4) at level 100 against pair 2 (seats 1 and 3) at level 0, all Medio.
    const Serie s = JugarSerie(1, 2000, {0, 0, 100, 0, 100}, {0, 2, 2, 2, 2});
    EXPECT_EQ(s.Fallidas, 0);
    EXPECT_EQ(s.Ganadas[1], 1158);
    EXPECT_EQ(s.Ganadas[2], 788);
    EXPECT_EQ(s.Puntos[1], 43402);
    EXPECT_EQ(s.Puntos[2], 28175);
    EXPECT_GT(s.Ganadas[1], s.Ganadas[2] * 13 / 10);
    EXPECT_EQ(s.Jugadas, 1662805534154019495u);
}

} // namespace
} // namespace zp
