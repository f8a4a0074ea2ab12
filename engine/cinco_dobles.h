#pragma once
// "Jugador con 5 dobles": under "Puede devolverlas" a player dealt five or more doubles may refuse the hand,
// which is then dealt again under the same number. An automatic player always refuses.
#include "engine/contexto.h"

namespace zp {

// Doubles dealt to one player that let the hand be refused.
inline constexpr int kMinimoDobles = 5;

enum class DecisionCincoDobles
{
    Aceptadas,
    Rechazadas,
    Abandonada
};

DecisionCincoDobles AplicarCincoDobles(Contexto& c, const Ajustes& r);

} // namespace zp
