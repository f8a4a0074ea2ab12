#pragma once
// Single tiles: a small one face down drawn with lines, the pip pictures, a face-up tile on the grid of the
// manual deal and a laid tile of the line drawn from its move record.
#include "table/lienzo_mesa.h"

#include <QSize>

namespace zp {

inline constexpr Entero kFichaTumbada = 1; // 42 x 21; any other lie is upright, 20 x 42

// A small tile lying face down with its top left at (x, y). The seat's white edge: seat 1 at the right,
// seat 3 at the left (the stock passes its side). Returns the tile's size.
QSize DibujarMarcoFicha(Surface& destino, Entero asiento, int x, int y, Entero orientacion);

// The small pip picture of `puntos` at (x + 2, y + 2); row 0 for a lying tile, 1 for an upright one.
void DibujarPuntos(Surface& destino, const HojasMesa& hojas, Entero puntos, int x, int y, int fila);
// The large pip picture at (x + 3, y + 3).
void DibujarPuntosGrandes(Surface& destino, const HojasMesa& hojas, Entero puntos, int x, int y, int fila);

// The tile a-b face up on its cell of the manual-deal grid (row a, column b), marked as lying there; the
// window is refreshed and sound 2 played to its end.
void DibujarFichaDescubierta(LienzoMesa& l, Entero a, Entero b);

// The tile of move record n on the line, as the record placed it. Records out of range draw nothing.
void DibujarFichaJugada(LienzoMesa& l, Entero n);

} // namespace zp
