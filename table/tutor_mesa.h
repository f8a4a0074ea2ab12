#pragma once
// The tutor: the move the strongest automatic player would make for the seat in turn, shown by a light
// bulb blinking beside the tile (and the arrow of its end when the end matters), or by the pass sign. It
// only shows: the person still plays the tile or presses Continue.
#include "engine/contexto.h"

#include <QPoint>

namespace zp {

class mesa;

// Where the bulb goes beside slot `hueco` of `asiento`'s hand.
QPoint SitioBombillaTutor(const EstadoJuego& e, const Pantalla& p, Entero asiento, Entero hueco);

void MostrarJugadaTutor(Contexto& c, mesa& m);

} // namespace zp
