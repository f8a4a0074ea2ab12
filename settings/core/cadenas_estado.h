#pragma once
// The whole game state as three fixed-width strings: the situation (players, rules, progress, line ends,
// hands and stock), the score sheet of the finished hands and the moves of the hand in progress. They are
// the lines of every state file and the payload of the network's state and deal messages.
#include "engine/estado.h"
#include "settings/core/columnas_estado.h"

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

// Between two hands of a match (a game in progress, no hand under way) the hand number written is the
// next hand's, so that the entry of the hand just scored is among those stored; reading takes one off.
CadenasEstado GenerarCadenasEstado(const EstadoJuego& juego, const Ajustes& datos);

struct ResultadoLectura
{
    FalloLectura Ilegible;          // no state at all (no first line reaching its last field): nothing taken
    FalloLectura PartidaDescartada; // the settings were taken, the game in progress dropped for this reason
};

// Takes a whole state back, field by field, as every version of the program has written it: a field whose
// text does not convert leaves its variable as it was, settings out of their range take their fallbacks,
// the other fields are taken as read, and the end mark is not needed. A game in progress is then checked
// as a whole (ComprobarPartida) and dropped when the engine could not play on it. With no game in progress
// the position and the score sheet are emptied. When `Ilegible` is set `juego` and `datos` are unchanged.
ResultadoLectura CargarCadenasEstado(const CadenasEstado& cadenas, EstadoJuego& juego, Ajustes& datos);

// The situation string alone, every column, into `juego` and `datos` (the caller passes copies), then the
// fallbacks and the derived values. `Lectura::Red` (a peer's message) wants exactly 780 columns with the end
// mark and every field valid; `Lectura::Fichero` wants the columns up to the last field and takes the rest
// as described for CargarCadenasEstado.
FalloLectura LeerSituacion(std::string_view cadena, EstadoJuego& juego, Ajustes& datos, Lectura lectura);

// A player's name as the state files give it back: the first letter and every letter after a blank upper
// case, the rest lower case; a character Windows-1252 cannot hold becomes "?".
std::string CapitalizarNombre(const std::string& utf8);

// Values the other fields decide: seats in play from their state (and individual play without four of them),
// the step of the turn from the direction.
void RecalcularDerivados(EstadoJuego& juego, Ajustes& datos);

} // namespace zp
