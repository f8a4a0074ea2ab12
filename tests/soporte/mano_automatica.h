#pragma once
// One hand of automatic players with no window: dealt by the engine's deal, each turn played by the engine's
// own turn as the match loop plays it, the hand's result by the engine's own rules. The deal and the play
// draw their random numbers from separate generators, so that two line-ups meet the same deals whatever
// their play draws. For the tournament tool and the automatic player's seeded tests.
#include <array>

#include "engine/contexto.h"

namespace zp {

struct ResultadoManoAutomatica
{
    bool Valida = false; // dealt and played to its end
    bool Domino = false;
    Entero Ganador = 0; // seat in individual play, pair code in pairs play; 0 a tie played again
    int Puntos = 0;     // the points the hand scores
    std::array<int, 5> PuntosAsiento{}; // pips left per seat
};

// Two engines over one state: `reparto` deals, `juego` plays. They must share the state and the rules.
ResultadoManoAutomatica JugarManoAutomatica(Contexto& reparto, Contexto& juego);

// A match of `manos` hands starts over: hand 1 again, with its opening tile and leader.
void EmpezarSerie(EstadoJuego& e);

} // namespace zp
