#pragma once
// One seat's hand redrawn whole: backs, small faces, the large faces of this computer's seat, tiles seen
// edge-on, laid tiles gone or kept inverted.
#include "table/lienzo_mesa.h"

namespace zp {

// How one slot of a hand is drawn.
enum class AspectoHueco
{
    Nada,          // an empty slot, or a laid tile that disappears: the marble shows
    Cara,          // face up
    CaraInvertida, // face up, then inverted: a laid tile kept in a shown hand
    Dorso          // face down
};

// Lays the four hands out into the state; when the bottom hand would reach the move list, the list is hidden.
void CalcularDisposicionManos(LienzoMesa& l);

// A hand tile is being reordered and the hand it was lifted from is still the one on the table: no deal or
// load has replaced it since.
bool ArrastreOrdenVigente(const EstadoJuego& e, const EstadoMesa& m);

AspectoHueco CalcularAspectoHueco(const EstadoJuego& e, const Ajustes& a, Entero asiento, Entero hueco);

// Wipes the seat's strip and draws its hand again, with the names while a hand or the deal is under way.
// A seat out of play is only wiped (and the stock drawn again when it lies on that side).
void DibujarMano(LienzoMesa& l, Entero asiento);

} // namespace zp
