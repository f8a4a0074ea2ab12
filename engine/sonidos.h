#pragma once
// The program's sounds, named by the moment they mark; the numbers are the ids of the WAVE resources.
#include "engine/estado.h"

namespace zp::sonido {

inline constexpr Entero Aterriza = 1; // a played tile lands on the line
inline constexpr Entero Ficha = 2;    // a tile put down: laid, slid back, drawn, dealt, dropped, turned
inline constexpr Entero Desliza = 3;  // a tile sets off across the table
inline constexpr Entero Extremo = 4;  // each blink of the end arrows; each spin step
inline constexpr Entero Alzar = 5;    // a tile lifted with the mouse
inline constexpr Entero Pulsar = 6;   // a control pressed
inline constexpr Entero Soltar = 7;   // a control released
inline constexpr Entero Clic = 9;     // a dialog button or a button of the bar
inline constexpr Entero Pagina = 10;  // a page of the history turned
inline constexpr Entero Paso = 11;    // the pass sign
inline constexpr Entero Salida = 12;  // the leader chosen; the tutor's hint
inline constexpr Entero Domino = 14;  // a hand won by domino, and the end of the match
inline constexpr Entero Barajar = 15; // the deal

} // namespace zp::sonido
