#pragma once
// The manual deal: the 28 tiles lie face up in a triangle on a grid, and the person drags them into the hands
// of the seats in play. The table's mouse handlers move tiles with ColocarFichaReparto and
// DevolverFichaReparto; the deal waits until the hands are full.
#include <optional>

#include "engine/contexto.h"

namespace zp {

// The grid: 7 rows of 50 px and 7 columns of 39 px of 20 x 42 faces, 254 x 342 px in all, centred on the
// screen and raised 20 px. Tile a-b lies in row a, column b.
void CalcularOrigenRejilla(EstadoJuego& e, const Pantalla& pantalla);

// Puts grid tile a-b (a >= b) into the first empty slot of that seat's hand. False, and nothing changes,
// when no manual deal runs, the seat is not in the deal, its hand is full or the tile is not on the grid.
bool ColocarFichaReparto(EstadoJuego& e, Entero asiento, Entero a, Entero b);

// Sends the tile of that slot back to its cell of the grid; gives the tile, or nothing when the slot holds
// no dealt tile.
std::optional<HuecoMano> DevolverFichaReparto(EstadoJuego& e, Entero asiento, Entero hueco);

// Every seat of the deal holds its tiles.
bool RepartoManualCompleto(const EstadoJuego& e);

enum class FinRepartoManual
{
    Completo,
    CambioAleatorio,
    Abandonado
};

// The deal itself, under the rules `r` as they stood when the hand began. Ends early when the live rules
// switch to the random deal (the hand is then dealt again) or the match is abandoned.
FinRepartoManual RepartirAMano(Contexto& c, const Ajustes& r);

} // namespace zp
