#pragma once
// The running score written over the notepad of bar button 5: the two pair totals under "N" and "E", or
// in individual play one number per seat in play, placed where that seat sits at the table.
#include "table/lienzo_mesa.h"

namespace zp {

// Recomputes the totals and repaints the notepad on `boton` (the 50 x 50 surface of button 5).
void DibujarMarcadorMesa(Surface& boton, const HojasMesa& hojas, EstadoJuego& e, const Ajustes& a);

} // namespace zp
