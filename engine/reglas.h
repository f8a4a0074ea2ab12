#pragma once
// The players and rules a hand can be dealt and played under. The settings windows refuse anything else,
// and the deal refuses to start on rules read from a damaged file.
#include <string>

#include "engine/ajustes.h"

namespace zp {

enum class FalloReglas
{
    Ninguno,
    PocosJugadores,       // fewer than two seats in play: no turn order
    JugadoresDescontados, // NumeroJugadores is not the number of seats in play
    FichasFueraDeRango,   // tiles per player outside 7..14
    DemasiadasFichas,     // more tiles dealt than the set holds
    ParejasSinCuatro,     // pairs play needs the four seats
};

int ContarJugadoresEnJuego(const Ajustes& a);
// Puts in play the seats whose digits `asientos` holds ("134") and the others out, NumeroJugadores kept
// consistent; returns how many are in play.
int MarcarAsientos(const std::string& asientos, Ajustes& a);
FalloReglas ValidarReglas(const Ajustes& a);
// Settles what the seats decide, as the player settings do when left: NumeroJugadores counted again, and
// individual play unless the four seats are in play (pairs need four players).
void AsentarJugadores(Ajustes& a);

// The tie rule in force. "Gana la pareja que no salió" has no meaning without pairs, and its pair code would
// be taken for a seat: individual play replays the hand instead. The scoring and the endgame search both
// read it here, so they never disagree.
Empate ReglaEmpate(const Ajustes& a);

} // namespace zp
