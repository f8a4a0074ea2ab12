#pragma once
// The move list at the bottom left of the table: one 14 px line per move in the window's font, its number,
// the mover's name and the tile each in a column of its own, never cut short with an ellipsis. The person
// cannot move the selection (it shows the move the game stands at) and a double click lengthens a long
// list upwards or folds it back to its five lines.
#include "engine/estado.h"

#include <QRect>

class QListWidget;
class QWidget;

namespace zp {

inline constexpr int kAltoLineaLista = 14;
inline constexpr int kLineasListaPlegada = 5;

// The list as the table window shows it, hidden, with its click and double click wired. `lineaActual` is the
// line the game stands at (-1 none), which a click selects again.
QListWidget* CrearListaJugadas(QWidget* padre, const Entero& lineaActual);

// Places the list folded at a rectangle of the virtual screen, its bottom on the table's bottom edge.
void ColocarListaJugadas(QListWidget& lista, const QRect& logica);
// Where it is now, in pixels of the virtual screen.
QRect GeometriaListaJugadas(const QListWidget& lista);

// The person clicked a line: the selection goes back to the line the game stands at, or to none.
void Lis_Grabadora_Click(QListWidget& lista, Entero lineaActual);

// Folded with more than five lines, it grows upwards to show them all, at most the table's height less 60;
// otherwise it folds back, and a selected line out of sight becomes its top line.
void Lis_Grabadora_DblClick(QListWidget& lista);

} // namespace zp
