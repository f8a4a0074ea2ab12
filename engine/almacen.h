#pragma once
// State files and the state strings, which belong to the settings: the engine only asks for them.
#include <array>
#include <string>
#include <vector>

#include "engine/ajustes.h"

namespace zp {

// A message the settings load leaves for the program's message box (one button).
struct AvisoAlmacen
{
    std::string Titulo;
    std::string Texto;
    int Lineas = 3;
};

// What a finished match hands to the history file: its winners (the winner of the last hand: a pair code
// in pairs play, a seat in individual play), the players as they sat and the match totals.
struct ResumenPartida
{
    Modalidad ModoJuego = Modalidad::Parejas;
    Entero Ganador = 0;
    std::array<std::string, 5> NombreJugador{};
    std::array<EstadoAsiento, 5> EstadoJugador{};
    Entero TotalPareja1 = 0; // seats 2 and 4
    Entero TotalPareja2 = 0; // seats 1 and 3
    std::array<Entero, 5> PuntosJugador{};
    bool operator==(const ResumenPartida&) const = default;
};

class Almacen
{
public:
    virtual ~Almacen() = default;
    // Writes the whole state under that name in the work folder; false when it could not.
    virtual bool GrabarEstado(const std::string& nombre) = 0;
    virtual void BorrarFichero(const std::string& nombre) = 0;
    // The 780-column situation string of the current state.
    virtual std::string GenerarCadenaSituacion() = 0;
    // Takes the hands, tiles held and stock of a situation received from the host, seats mapped to ours.
    virtual void AplicarManosRecibidas(const std::string& cadenaSituacion) = 0;

    // Start-up: reads the settings file into the rules and the state (a game left in progress included), or
    // sets the defaults and writes them; gives back the messages to show, in order.
    virtual std::vector<AvisoAlmacen> CargarAjustes() { return {}; }
    // Start-up: the option texts of the settings windows' selectors.
    virtual void CargarEtiquetasOpciones() {}
    // The end of a match the person chose to record: one record appended to the history file.
    virtual void AnadirRegistroHistorico(const ResumenPartida& /*partida*/) {}
};

} // namespace zp
