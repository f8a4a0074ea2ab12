#pragma once
// The move message: "ZRP3306", the move number in two digits, the pip joined to the end, the pip left open
// and the end, one digit each. Only a laid tile travels; draws and passes every computer works out itself.
// The socket layer strips "ZRP33" and queues the rest for the engine (Red::ColaRed), where the match loop
// takes it.
#include <optional>
#include <string>
#include <string_view>

#include "engine/ajustes.h"

namespace zp {

inline constexpr std::string_view kCodigoJugada = "06";
constexpr std::size_t kLargoJugadaEnCola = 7; // code and payload

std::string CrearMensajeJugada(Entero numero, Entero fichaA, Entero fichaB, Entero extremo);

struct JugadaRecibida
{
    Entero FichaA = kNinguna; // the pip that meets the end
    Entero FichaB = kNinguna;
    Entero Extremo = kNinguna;
    bool operator==(const JugadaRecibida&) const = default;
};

// Takes entries off the head of the queue until one is move NumeroJugada of JugadorTurno and fits: pips
// 0..6, end 1 or 2 (after the first move turned to the end whose pip the tile meets), a tile the mover
// holds and may play there. Every other entry taken is dropped: a move for another number, bad digits, or an
// entry of a kind that cannot belong to a turn and would block the queue for ever. Stops at an incomplete
// move, which the rest of its message will complete. Entries after the move found stay.
std::optional<JugadaRecibida> TomarJugadaDeCola(std::string& cola, const EstadoJuego& e, const Ajustes& a);

} // namespace zp
