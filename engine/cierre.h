#pragma once
// The result of a hand, written once for the end of the hand, the endgame search and the tools: who wins a
// blocked hand, who wins it when tied, and the points it scores. Pips are per seat 1..4 (entry 0 unused);
// a winner is a pair code in pairs play (1 seats 2 and 4, 2 seats 1 and 3), a seat in individual play.
#include <array>

#include "engine/ajustes.h"

namespace zp {

struct GanadorCierre
{
    int Ganador = 0; // 0 on a tie
    bool Empate = false;
};

// Pairs: the pair with fewer pips. Individual: the seat in play with fewest, a tie when two or more share
// them.
constexpr GanadorCierre DecidirCierre(bool parejas, const std::array<int, 5>& pips,
                                      const std::array<bool, 5>& enJuego)
{
    if (parejas) {
        const int s24 = pips[2] + pips[4], s13 = pips[1] + pips[3];
        if (s24 == s13) return {0, true};
        return {s24 < s13 ? 1 : 2, false};
    }
    int ganador = 0, iguales = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!enJuego[p]) continue;
        if (ganador == 0 || pips[p] < pips[static_cast<std::size_t>(ganador)]) {
            ganador = static_cast<int>(p);
            iguales = 1;
        } else if (pips[p] == pips[static_cast<std::size_t>(ganador)]) {
            ++iguales;
        }
    }
    if (iguales > 1) return {0, true};
    return {ganador, false};
}

// The winner of a tied blocked hand under the tie rule in force (ReglaEmpate); 0 when it is played again.
constexpr int GanadorEmpate(Empate regla, bool parejas, int jugadorSalida)
{
    const int parejaSalida = (jugadorSalida == 2 || jugadorSalida == 4) ? 1 : 2;
    switch (regla) {
    case Empate::GanaQuienSalio:
        return parejas ? parejaSalida : jugadorSalida;
    case Empate::GanaQuienNoSalio:
        return 3 - parejaSalida;
    case Empate::SeRepite:
    default:
        return 0;
    }
}

// The hand's points: every pip left, or in pairs play under "De la pareja perdedora" the losing pair's.
constexpr int PuntosMano(bool parejas, bool soloPerdedores, int ganador, const std::array<int, 5>& pips)
{
    const int s24 = pips[2] + pips[4], s13 = pips[1] + pips[3];
    if (parejas && soloPerdedores) return ganador == 1 ? s13 : s24;
    return s13 + s24;
}

// 1..10 points make 1 ten, 11..20 make 2, and 0 points none.
constexpr int DecenasDe(int puntos)
{
    return puntos <= 0 ? 0 : (puntos - 1) / 10 + 1;
}

// The pips of the tiles each seat still holds.
inline std::array<int, 5> PipsEnMano(const EstadoJuego& e)
{
    std::array<int, 5> pips{};
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        const int huecos = e.HuecosMano[p] < 0 ? 0 : e.HuecosMano[p] > kHuecos ? kHuecos : e.HuecosMano[p];
        for (std::size_t s = 1; s <= static_cast<std::size_t>(huecos); ++s) {
            const HuecoMano& h = e.Manos[p][s];
            if (h.Estado == kEnMano) pips[p] += h.PuntoA + h.PuntoB;
        }
    }
    return pips;
}

// The seats in play.
inline std::array<bool, 5> AsientosEnJuego(const Ajustes& a)
{
    std::array<bool, 5> r{};
    for (std::size_t p = 1; p <= kAsientos; ++p) r[p] = AsientoEnJuego(a, p);
    return r;
}

} // namespace zp
