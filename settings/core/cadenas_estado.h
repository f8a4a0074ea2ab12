#pragma once
// The whole game state as three fixed-width strings: the situation (players, rules, progress, line ends,
// hands and stock), the score sheet of the finished hands and the moves of the hand in progress. They are
// the lines of every state file and the payload of the network's state and deal messages.
#include "engine/estado.h"

#include <optional>
#include <string>
#include <string_view>

namespace zp {

// One byte per character in Windows-1252, as files and messages hold them.
struct CadenasEstado
{
    std::string CadenaSituacion; // 780 characters
    std::string CadenaMarcador;  // 51 per finished hand
    std::string CadenaJugadas;   // 60 per move of the hand
    bool operator==(const CadenasEstado&) const = default;
};

// Empty when the reading went well; otherwise why the input was refused, in words for the user.
using FalloLectura = std::optional<std::string>;

CadenasEstado GenerarCadenasEstado(const EstadoJuego& juego, const Ajustes& datos);

// Takes a whole state back. Nothing is applied unless every line is sound: a short string, a missing end
// mark, a non-number where a number belongs or a value no game can hold refuses the lot and leaves
// `juego` and `datos` as they were. Settings out of their range take their fallback values instead.
FalloLectura CargarCadenasEstado(const CadenasEstado& cadenas, EstadoJuego& juego, Ajustes& datos);

// The situation string alone, every column, into `juego` and `datos` (the caller passes copies): length,
// end mark and each field checked, fallbacks applied. Used by the full reader and by a network client.
FalloLectura LeerSituacion(std::string_view cadena, EstadoJuego& juego, Ajustes& datos);

// A player's name as the state files give it back: the first letter and every letter after a blank upper
// case, the rest lower case; a character Windows-1252 cannot hold becomes "?".
std::string CapitalizarNombre(const std::string& utf8);

// Values the other fields decide: seats in play from their state, the step of the turn from the direction.
void RecalcularDerivados(EstadoJuego& juego, Ajustes& datos);

} // namespace zp
