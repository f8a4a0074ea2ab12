#pragma once
// The players' names beside their hands, in yellow: spread one letter every 16 px along the outer side of a
// hidden hand at full pitch, else written once in a smaller font just past one end of the hand.
#include "table/lienzo_mesa.h"

#include <QString>

namespace zp {

// The name's letters spread along the side (true), or the name written once (false).
bool NombreEnLetras(const EstadoJuego& e, const Ajustes& a, Entero asiento);

// What the one-line layout writes for the seat: seat 1 keeps 7 characters of a name wider than 50 px.
QString TextoNombreEnLinea(const Ajustes& a, Entero asiento);

// Draws the names of the seats in play, each over its place restored from the marble. Not refreshed: the
// hand drawing that calls it refreshes at its end.
void DibujarNombres(LienzoMesa& l);

} // namespace zp
