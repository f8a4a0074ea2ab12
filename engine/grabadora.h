#pragma once
// The recorder's logic: applying one move record to the game data or taking it back, and stepping through
// the hand one record at a time with its animation. Live play applies every move through the same call.
#include "engine/contexto.h"
#include "engine/jugada.h"

namespace zp {

enum class ModoGrabadora : Entero
{
    Aplicar = 1,
    Deshacer = 2
};

// Applies or takes back record NumeroJugada: hands, stock count, open ends, tiles per end and the automatic
// player's weights. Anchors and directions are the stepping's business. Taking back the first tile leaves
// both ends with no tile, as before the hand. A record that does not match the hands is refused and
// changes nothing.
FalloJugada AplicarJugadaGrabadora(Contexto& c, ModoGrabadora modo);

// One record forward, while NumeroJugada < PosicionGrabadora.
FalloJugada AvanzarGrabadora(Contexto& c);

// One record back, while NumeroJugada >= 2. A draw taken back leaves the turn where it is.
FalloJugada RetrocederGrabadora(Contexto& c);

// Replays up to PosicionGrabadora and switches the recorder off.
FalloJugada IrAlFinalGrabadora(Contexto& c);

} // namespace zp
