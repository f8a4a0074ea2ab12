#pragma once
// Short effects on a hand: it blinks when its turn comes, the pass sign blinks beside it, a pointing hand
// shows a tile or sweeps over the tiles it holds, the domino sign blinks over the hand that emptied. None
// changes the game; each ends with the hand drawn normally and the sign hidden.
#include "table/imagen_mesa.h"
#include "table/ritmo_mesa.h"

namespace zp {

// The hand vanishes and comes back, twice.
void ParpadearMano(const EscenaMesa& s, Entero asiento);

// The sad face beside the seat, twice, each time with sound 11 played to its end.
void MostrarPaso(const EscenaMesa& s, ImagenMesa& Ima_Paso, Entero asiento);

// The seat's pointing hand (towards its tiles) at (x, y) on the table, not refreshed; drawing the hand
// again wipes it.
void DibujarManoIndicadora(LienzoMesa& l, Entero asiento, Entero x, Entero y);

// The pointing hand passes over every tile the seat holds: forward, back, forward, never marking a laid or
// empty slot nor the same slot twice in a row.
void IndicarFichas(const EscenaMesa& s, Entero asiento);

// The domino sign over the seat's hand, four times, with sound 14 under it.
void MostrarSenalDomino(const EscenaMesa& s, Entero asiento);

} // namespace zp
