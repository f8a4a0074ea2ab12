#pragma once
// State files: the settings file ZARPE33.INI, the snapshots ZARPE33.DRE and ZARPE33.ARE and the stored
// games, all three quoted lines of the state strings, CRLF, one byte per character in Windows-1252.
// `carpetaDatos` is the work folder, ending in "/".
#include "engine/ajustes.h"
#include "engine/almacen.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/fichero_seguro.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zp {

constexpr std::string_view kFicheroAjustes = "ZARPE33.INI";
constexpr std::string_view kCopiaAjustesDanados = "ZARPE33.INI.bak";
// The game as it was before network play, taken when the player settings open and reloaded when it ends.
constexpr std::string_view kFicheroAntesDeRed = "ZARPE33.ARE";
constexpr std::string_view kTituloErrorAjustes = "Error en la carga de datos iniciales";
constexpr std::string_view kTituloErrorCarga = "Error en la carga de datos";
// The number `CargarAjustes` leaves when the settings file was there but could not be used.
constexpr int kErrorFicheroDanado = 13;

// A message for the program's message box: the window layer shows it, with one button.
using MensajeCarga = AvisoAlmacen;

// The three lines of a state file, and back. Lines ending in LF alone are read as well.
std::string ComponerFicheroEstado(const CadenasEstado& cadenas);
std::variant<CadenasEstado, std::string> SepararFicheroEstado(std::string_view bytes);

// Writes the current state to `carpetaDatos` + `nombre`; the old file stays whole if this fails.
std::optional<FalloFichero> GrabarEstado(const std::string& carpetaDatos, std::string_view nombre,
                                         const EstadoJuego& juego, const Ajustes& datos);

struct ResultadoCargaEstado
{
    bool FicheroEncontrado = false;      // found and loaded
    std::optional<MensajeCarga> Mensaje; // set when the file was there but refused
};

// Loads a state file. A missing file changes nothing and shows nothing; one with no state in it, or whose
// game in progress does not hold together, changes nothing and says why. On success `RedibujoPendiente` is
// set; redrawing the table is the caller's (`RedibujarMesa`).
ResultadoCargaEstado CargarEstado(const std::string& carpetaDatos, std::string_view nombre,
                                  EstadoJuego& juego, Ajustes& datos);
// The same, the addresses typed this run kept as they are: a snapshot taken up does not change them.
ResultadoCargaEstado CargarEstadoConDirecciones(const std::string& carpetaDatos, std::string_view nombre,
                                                EstadoJuego& juego, Ajustes& datos);

struct ResultadoAjustes
{
    int ErrorFichero = 0;               // 0 when the settings file was read
    std::vector<MensajeCarga> Mensajes; // in the order they are to be shown
};

// Start-up load of ZARPE33.INI; when it cannot be read, or holds no settings, the defaults are set and
// written at once. A game in it that does not hold together is dropped with a message, its settings kept,
// and the file written again without it. A file that is there but cannot be read or used is never written
// over: it is kept as ZARPE33.INI.bak first (or, when it cannot be moved, left as it is with the defaults
// in memory only).
ResultadoAjustes CargarAjustes(const std::string& carpetaDatos, EstadoJuego& juego, Ajustes& datos);

std::optional<FalloFichero> GuardarAjustes(const std::string& carpetaDatos, const EstadoJuego& juego,
                                           const Ajustes& datos);

// The settings of a first run: players, rules, no game in progress.
void PonerAjustesPorDefecto(EstadoJuego& juego, Ajustes& datos);

// The text the settings load shows for an error number.
std::string TextoErrorAjustes(int numero);

// ZARPE33.ARE is on disk only while it holds the game set aside when network play began: from then until it
// is restored or a new local match replaces it, so that network play ended any other way (a lost
// connection, a crash of either computer and a new start) never costs that game.
bool HaySituacionApartada(const std::string& carpetaDatos);
void DescartarSituacionApartada(const std::string& carpetaDatos);

} // namespace zp
