#pragma once
// The stock: two rows of small face-down tiles along the side of the first seat out of play.
#include "table/lienzo_mesa.h"

namespace zp {

// Lays the stock out on its side into the work rectangle and `FilasMonton`, and wipes that rectangle to
// marble. Its size follows the tiles the deal leaves, so it keeps it while tiles are drawn.
void CalcularDisposicionMonton(LienzoMesa& l);

// Chooses the side (kept while the player settings are open), lays the stock out and draws its tiles face
// down; the place of the last one, the tile the next draw takes, goes to `XFichaRobada`, `YFichaRobada`.
void DibujarMonton(LienzoMesa& l);

} // namespace zp
