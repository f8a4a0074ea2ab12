#pragma once
// Who leads a hand: the opening tile and the first leader of a match, the leader of every later hand by the
// rule "Turno de salida", the exchange of the leader in a network game, its announcement, and the turn set
// one step before the leader.
#include <string>

#include "engine/contexto.h"

namespace zp {

// First hand: the leader by "Primera mano de la partida" (the holder of the opening tile, or a seat drawn
// by lot). The opening tile SalidaA/SalidaB was found while counting the hands.
void ElegirPrimeraSalida(EstadoJuego& e, const Ajustes& r, Azar& azar);

// Of two partners, the one with more tiles of its commonest number leads; on equal counts the lower seat
// only with strictly fewer doubles.
Entero SalidaEntreCompaneros(const EstadoJuego& e, Entero m1, Entero m2);

// The leader of a later hand by rules 1 (rotating), 3 (the winner) and 4 (the losing pair); rule 2 is the
// person's choice. Never a seat out of play.
Entero CalcularSalidaSiguiente(const EstadoJuego& e, const Ajustes& r);

// The whole decision for this hand, with the network exchange, the announcement of the first leader and
// JugadorTurno one step before the leader (0 and 5 occur).
Espera DecidirSalida(Contexto& c, const Ajustes& r);

// The first line and the leader's line of "Comienza la Partida".
std::string TextoComienzoPartida(const EstadoJuego& e, const Ajustes& r);

// Last step of a deal: the leader's two commonest numbers, when equally common, may change places (the
// automatic player opens with the first).
void AjustarNumerosFavoritos(EstadoJuego& e, Azar& azar);

// A blocked hand was tied and is dealt again under its number, its score-sheet entry left empty: with "El
// mismo jugador" the seat that led it leads again; with "Se corre el turno" the lead moves on as after any
// hand, and a tied first hand is followed by hand 2. Called before the next deal.
void PrepararRepeticionEmpate(EstadoJuego& e, const Ajustes& a);

} // namespace zp
