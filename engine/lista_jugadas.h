#pragma once
// The move list shown on the table: one line per move record, line n - 1 for record n, with the number,
// the mover's name, the tile or the word for a draw or a pass, and a mark when the mover had a choice.
// The engine keeps the lines; the table shows them as it is told.
#include <string>

#include "engine/contexto.h"

namespace zp {

// Columns 1-2 the record number right-aligned, 4-12 the name padded to 9 characters, 14 on the tile ("6-4"),
// "Roba" or "Pasa", then " ???" when the move was a choice.
std::string TextoLineaListaJugadas(const RegistroJugada& registro, Entero numero, const std::string& nombre);

// Adds the line of record n and selects it. The lines of later records, left from a hand or a review the
// table has already cleared, are dropped first, so that line n - 1 always shows record n.
void AnadirLineaListaJugadas(Contexto& c, Entero numero);

// Keeps the first `lineas` lines, removing the rest from the table the highest first.
void RecortarListaJugadas(Contexto& c, int lineas);

} // namespace zp
