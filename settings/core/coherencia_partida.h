#pragma once
// Whether a game read back from a state file can be played on. Each field is read on its own, so a hand
// edit, a damaged disk or another program's file can put one tile in two hands, a pip of 9 in a held slot
// or a turn on an empty seat; the engine cannot play on any of that. The game is checked as a whole
// before it is resumed or loaded, and dropped, never half-played, when it does not hold together.
#include "engine/estado.h"
#include "settings/core/cadenas_estado.h"

namespace zp {

// A game in progress, a hand under way or the match between two hands (the hand just scored is
// `NumeroMano`): empty when the engine can take it up; otherwise why not, in words for the user.
FalloLectura ComprobarPartida(const EstadoJuego& juego, const Ajustes& datos);

// The hands and the stock of a deal received from the host: each slot empty or a held tile with two pips,
// the tiles held counted right, no tile twice among the hands and the stock.
FalloLectura ComprobarReparto(const EstadoJuego& juego);

// No hand on the table: empty hands, stock and line, no moves. Between two hands, and with no game in
// progress, that is all a resumed game needs.
void VaciarPosicion(EstadoJuego& juego);

// No game in progress at all: the position emptied and the score sheet cleared.
void DescartarPartida(EstadoJuego& juego);

} // namespace zp
