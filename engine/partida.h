#pragma once
// The match loop: a match is started, dealt and played turn after turn on the one thread until it ends or is
// abandoned. Every wait inside it (the person here, the Continue button, the end of the line, a remote
// player's move, the message boxes) may come back abandoned: the loop then unwinds at once, shows nothing
// more and deals nothing more, and hands back to its caller what the window asked for. A new match is never
// started inside an old one: the top-level caller starts it.
#include <functional>

#include "engine/contexto.h"

namespace zp {

// What the window asks the top-level caller to do once the match it abandoned has unwound. Kept in
// EstadoJuego::PeticionPendiente while the match unwinds.
enum class Peticion : Entero
{
    Ninguna = 0,
    NuevaPartida = 1,    // ComenzarPartida
    ReanudarPartida = 2, // a game was loaded: ReanudarPartida
    Salir = 3            // the program ends
};

enum class FinPartida
{
    SinPartida,     // nothing was played (start-up with no hand left in progress)
    Terminada,      // played to its end: messages shown, table cleared, snapshot deleted
    Abandonada,     // a wait came back abandoned, or PartidaEnCurso was found cleared
    ReglasNoValidas // the players and rules allow no deal; the match was closed
};

struct ResultadoPartida
{
    FinPartida Fin = FinPartida::SinPartida;
    Peticion Siguiente = Peticion::Ninguna; // what the caller is asked to do next
};

// The one order of precedence between requests, whoever makes them (the person, the bar, a socket, the
// program's queue): the request that stands once `nueva` comes while `enPie` still stands. A later request
// takes the place of an earlier one, except that an exit is final: nothing asked after it replaces it.
Peticion PeticionEnPie(Peticion enPie, Peticion nueva);

// Called by the window before it abandons the running match from inside a wait; the request kept is the one
// that stands by that order.
void PedirPeticion(EstadoJuego& e, Peticion peticion);

// Starts a new match under the rules as they stand: score sheet erased, first hand dealt, played to its end.
ResultadoPartida ComenzarPartida(Contexto& c);

// Plays turns while PartidaEnCurso: each cycle begins by advancing the turn.
ResultadoPartida JugarPartida(Contexto& c);

// A match taken up again (start-up, a loaded game, the recorder's continue). A hand in progress: the turn
// steps back once, since the loop advances it first, and the loop runs. Between two hands: the totals, then
// the end of the match or the next hand, as after the Continue button.
ResultadoPartida ReanudarPartida(Contexto& c);

// Does what a returned request asks: a new match or the loaded game resumed; nothing for the others.
ResultadoPartida AtenderPeticion(Contexto& c, Peticion peticion);

// Hides the Continue button and ends the loop's wait for it.
void OcultarBotonContinuar(Contexto& c);

// Waits, EsperaContinuar set, until the person goes on; each redraw the window asks for meanwhile draws the
// Continue button again and, with `parpadearTurno`, blinks the hand of the seat in turn; `cadaVuelta` is
// called on every round of the wait. False when the wait came back abandoned: EsperaContinuar is then left
// set while the match unwinds.
bool EsperarBotonContinuar(Contexto& c, bool parpadearTurno = false,
                           const std::function<void()>& cadaVuelta = {});

// The closing steps of a match: table cleared, PartidaEnCurso False, snapshot deleted, NumeroJugada 0.
void CerrarPartida(Contexto& c);

// The snapshot a network game writes on every turn and deletes at its end.
inline constexpr const char* kFicheroRed = "ZARPE33.DRE";

} // namespace zp
