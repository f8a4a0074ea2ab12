#pragma once
// The automatic player's exhaustive look-ahead over the last moves of a hand: every continuation is played
// out with every hand known, scored by the hand-end and tie rules in force, and summed per first move.
#include <array>
#include <cstdint>

#include "engine/ajustes.h"

namespace zp {

constexpr int kRaicesFinal = 42; // 21 slots, each tile at most twice

// Results per root k = 1..Raices, numbered like the chooser's candidates: slot order of the mover's hand, the
// first pip joined before the second, a double once. Index 0 carries nothing.
struct ResultadoFinalMano
{
    std::array<float, kRaicesFinal + 1>
        PorcentajeGanadas{}; // 0..100, share of outcomes the mover's side wins
    std::array<float, kRaicesFinal + 1> MediaPuntosGanados{}; // mean scored value of those wins, 0 for none
};

enum class FinBusqueda
{
    Completa,           // results written for roots 1..Raices
    UnaFicha,           // the mover holds one tile: nothing to weigh
    MontonAbierto,      // individual play and the stock can still be drawn from
    FueraDePresupuesto, // the position is too large to finish in time; the ordinary choice stands
    PosicionNoValida    // the hands do not hold each tile once (never in play); the ordinary choice stands
};

struct InformeFinalMano
{
    FinBusqueda Fin = FinBusqueda::Completa;
    int Raices = 0;
    std::uint64_t PosicionesVisitadas = 0; // positions expanded (not found in memory)
    std::uint64_t Desenlaces = 0;          // outcomes counted below all roots (ties left uncounted excluded)
};

// Past this many positions visited the search gives up, within a few tenths of a second. The largest
// positions met in play need about 160,000.
constexpr std::uint64_t kPresupuestoFinal = 1'000'000;

// Searches from the mover `JugadorTurno`. On `Completa` writes entries 1..Raices of `r` and leaves the later
// ones; on any other end leaves `r` untouched. Reads the state, never writes it.
InformeFinalMano ExplorarFinalDeMano(const EstadoJuego& e, const Ajustes& a, ResultadoFinalMano& r,
                                     std::uint64_t presupuesto = kPresupuestoFinal);

} // namespace zp
