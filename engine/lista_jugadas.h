#pragma once
// The move list shown on the table: one line per move record, line n - 1 for record n, with the number,
// the mover's name, the tile or the word for a draw or a pass, and a mark when the mover had a choice.
// The table keeps the lines; the engine tells it each one.
#include <string>

#include "engine/contexto.h"

namespace zp {

// Columns 1-2 the record number right-aligned, 4-12 the name padded to 9 characters, 14 on the tile ("6-4"),
// "Roba" or "Pasa", then " ???" when the move was a choice.
std::string TextoLineaListaJugadas(const RegistroJugada& registro, Entero numero, const std::string& nombre);

// The line of record n of the hand, with its mover's name.
std::string LineaDeJugada(const EstadoJuego& e, const Ajustes& a, Entero numero);

// Puts the line of record n in its place, line n - 1, and selects it; the lines of later records, left from
// a review, go.
void AnadirLineaListaJugadas(Contexto& c, Entero numero);

} // namespace zp
