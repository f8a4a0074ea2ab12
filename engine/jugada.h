#pragma once
// Carrying out a move: a tile laid at an end, a draw from the stock, a pass. Every move is written by one
// record writer, RegistrarJugada, and applied to the hands and the line by the recorder's applier
// (grabadora.h), so that live play and the recorder agree to the last field.
#include <optional>

#include "engine/contexto.h"
#include "engine/disposicion_manos.h"

namespace zp {

// A hand holds at most 99 move records: the move number travels in two digits in the state strings and in
// the move messages.
constexpr Entero kMaximoJugadas = 99;

// Why a move was refused. A refused move changes nothing.
enum class FalloJugada
{
    Ninguno,
    FichaAusente,    // the tile is not in the mover's hand
    FichaYaPuesta,   // the tile is in the hand but already laid
    NoEncaja,        // neither pip of the tile meets the chosen end
    ExtremoNoValido, // the end is not 1, 2, a draw or a pass
    JugadorNoValido, // the seat in turn is not a seat
    ListaLlena,      // the move number is outside 1..99
    MontonAgotado,   // no tile may be drawn: the stock is down to its reserve
    ManoLlena,       // the hand has no free slot for a drawn tile
};

// The last slot of seat p holding the tile a-b either way round, laid or not; nothing when the hand never
// held it.
std::optional<Entero> BuscarFichaEnMano(const EstadoJuego& e, Entero a, Entero b, Entero p);

// FichaA and FichaB exchange values.
void GirarFicha(EstadoJuego& e);

// May the tile in slot `hueco` of the hand of JugadorTurno be played now? A laid tile never; later moves
// need a pip on an open end; the match's very first tile under "Sale el Seis Doble" must be the opening tile.
bool ComprobarFichaJugable(const EstadoJuego& e, const Ajustes& a, Entero hueco);

// Writes record NumeroJugada from the move in hand (ExtremoElegido 1 or 2 a tile, 8 a draw, 9 a pass) and
// adds its line to the move list. The list grows as the hand goes on.
FalloJugada RegistrarJugada(Contexto& c);

// Carries out the chosen move of JugadorTurno: FichaA, FichaB and ExtremoElegido (9 a pass). The tile is
// turned to meet its end, the line turns at the table's limits, the record is written and applied, and the
// table animates it. Nothing is changed when the move is refused.
FalloJugada EjecutarJugada(Contexto& c);

// JugadorTurno draws the top stock tile as move NumeroJugada; the turn stays and NumeroJugada moves on.
FalloJugada RobarFicha(Contexto& c);

// Where the pointing hand goes over slot `hueco` of seat p's hand (32 x 32, top left).
PuntoMesa CalcularPosicionManoIndicadora(const EstadoJuego& e, const Pantalla& pantalla, Entero p,
                                         Entero hueco);

} // namespace zp
