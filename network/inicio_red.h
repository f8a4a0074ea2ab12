#pragma once
// Network play started on this computer in the role its settings give: the host listens until every remote
// seat has connected and answered with the code of its unfinished game; a client connects, learns its seat
// and reports its own code. Then either a new network game, or, when every computer holds the same
// unfinished one, that game taken up on each computer from its own snapshot.
#include "network/conexion_red.h"

namespace zp {

// The match on the table ends first. True when a new match must start now: the caller starts it (on a
// client its first state and deal come from the host). False when network play did not start, or when the
// unfinished game was taken up (asked of the program). What was asked of the program meanwhile (a match, by
// the connections or the person here; the player settings) is asked once the start-up is over, just before
// it returns; a new match asked for is the one the start-up leads to, when it leads to one.
bool IniciarJuegoEnRed(ConexionRed& red);

} // namespace zp
