#pragma once
// One turn, the same for the match loop, the tools and the tests: the turn moves on, the mover counts what
// fits and draws one tile at a time while nothing does, chooses, and the move is carried out; then the hand
// is over when the mover emptied the hand or nobody can play any more. What differs between callers (the
// waits and the window of the match loop, a random chooser) comes in through PasosTurno.
#include "engine/contexto.h"
#include "engine/jugada.h"

namespace zp {

enum class EleccionTurno
{
    Jugar,     // FichaA, FichaB and ExtremoElegido hold the move (9: a pass)
    FinDeMano, // the hand ends again with no move (a reopened hand reviewed to where it ended)
    Abandono
};

class PasosTurno
{
public:
    virtual ~PasosTurno() = default;
    // After the turn moved on; false when the match was abandoned meanwhile.
    virtual bool Empezar(Contexto&) { return true; }
    // Leaves in JugadasPosibles how many moves JugadorTurno has (0: nothing fits). SoloContar is set.
    virtual void Contar(Contexto& c);
    virtual void AntesDeRobar(Contexto&) {}
    // Chooses the move of JugadorTurno.
    virtual EleccionTurno Elegir(Contexto& c);
    // After the move was carried out; false when the match was abandoned meanwhile.
    virtual bool Hecha(Contexto&) { return true; }
};

enum class FinTurno
{
    Siguiente, // the next turn follows
    Domino,    // the mover emptied the hand
    Cerrada,   // nobody can play any more, or the hand has used every move number
    Abandono
};

struct ResultadoTurno
{
    FinTurno Fin = FinTurno::Siguiente;
    FalloJugada Fallo = FalloJugada::Ninguno; // a draw or a move the engine refused (then a pass was played)
};

ResultadoTurno JugarTurno(Contexto& c, PasosTurno& pasos);

// No seat in play holds a tile for either end, and the stock cannot help: it is down to its reserve, or
// every tile of both end numbers is laid.
bool ManoCerrada(const EstadoJuego& e, const Ajustes& a);

} // namespace zp
