#pragma once
// The start of every hand: the table cleared, the tiles shuffled and dealt (at random, by hand, or received
// from the host), the hands counted, the five-doubles rule, the leader, and the line set up for the first
// tile. Every tile dealt has its higher pip first.
#include "engine/contexto.h"

namespace zp {

enum class ResultadoReparto
{
    Listo,          // the hand is ready for its first turn
    Abandonado,     // the match was abandoned during a wait
    ReglasNoValidas // the players and rules do not allow a deal (see ValidarReglas)
};

// Deals the next hand under the rules as they stand when it begins.
ResultadoReparto IniciarMano(Contexto& c);

// The steps of the deal, on their own.
void VaciarManos(EstadoJuego& e, const Ajustes& r);
void RepartirAlAzar(EstadoJuego& e, const Ajustes& r, Azar& azar);
// Counts each seat's numbers and doubles; in the first hand also finds the opening tile (the highest double
// dealt, else the tile with the most pips, the higher first pip on equal sums).
void ContarManos(EstadoJuego& e, const Ajustes& r);
// Each seat's numbers by how many of its tiles carry them, the higher number first on equal counts.
void OrdenarNumeros(EstadoJuego& e, const Ajustes& r);

} // namespace zp
