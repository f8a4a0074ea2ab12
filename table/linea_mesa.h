#pragma once
// The line of tiles on screen: the laid tiles drawn again from their move records, the two clickable arrows
// at the open ends, and the last tile taken back to its hand.
#include "table/animaciones.h"

#include <array>

namespace zp {

// Draws the tiles of records 1..hasta as their records placed them; draws and passes have none.
void DibujarLinea(LienzoMesa& l, Entero hasta);

// Places the arrow of end 1 (`Ima_FlechaDer`) and of end 2 (`Ima_FlechaIzq`) where the next tile of that end
// goes, each with the picture of `Ima_Flechas` for its direction, pointing back at the end tile. Whether
// they show is the caller's business.
void DibujarMarcasExtremos(const EstadoJuego& e, ImagenMesa& Ima_FlechaDer, ImagenMesa& Ima_FlechaIzq,
                           const std::array<ImagenMesa, 5>& Ima_Flechas);

// Takes the tile of record n (the move being undone, already taken back in the game data) off the line
// and slides it back to its slot in its owner's hand.
void DeshacerJugada(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero n);

} // namespace zp
