#pragma once
// Turn order: seats play round the table by the direction of play, skipping seats not in play.
#include "engine/ajustes.h"

namespace zp {

// p becomes the next seat in play in the direction of play (the previous one, against it). The first
// candidate is always the neighbour, so p comes back only when it is the only seat in play. With no seat in
// play p is left as it was and the result is false.
bool CalcularJugadorSiguiente(const EstadoJuego& e, const Ajustes& a, Entero& p);
bool CalcularJugadorAnterior(const EstadoJuego& e, const Ajustes& a, Entero& p);

// The turn's step for a direction of play: +1 Directo, -1 Inverso.
constexpr Entero PasoDeSentido(Sentido s)
{
    return s == Sentido::Inverso ? Entero{-1} : Entero{1};
}

// Seat and move counter move together, so an advance and a step back leave both as they were. Neither moves
// when no seat is in play.
bool AvanzarTurno(EstadoJuego& e, const Ajustes& a);
bool RetrocederTurno(EstadoJuego& e, const Ajustes& a);

// The seat at which this computer shows the player of seat p in the host's numbering (1..4): its own seat
// becomes 4 and the order round the table stays.
Entero CalcularJugadorRelativo(Entero p, Entero puestoLocal);
inline Entero CalcularJugadorRelativo(const EstadoJuego& e, Entero p)
{
    return CalcularJugadorRelativo(p, e.PuestoLocal);
}

} // namespace zp
