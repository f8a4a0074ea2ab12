#pragma once
// What the settings windows need of the table and of network play while they are open, and what they leave
// for the table to do once they close. The table fills the services; with none (tests, no network yet) each
// does nothing and reports no connection.
#include "engine/ajustes.h"

#include <string>

namespace zp {

class ServiciosAjustes
{
public:
    virtual ~ServiciosAjustes() = default;

    // The table.
    virtual void DibujarMano(Entero /*asiento*/) {}
    virtual void DibujarNombres() {}
    virtual void LimpiarMesa() {} // the drawing cleared to the table's background
    virtual void VerListaJugadas(bool /*visible*/) {}

    // Network play.
    virtual bool ClienteConectado() const { return false; }
    virtual bool EsperandoConexiones() const { return false; } // the host waits for its players
    // This computer's IPv4 address: the first of an interface that is up and no loopback; 127.0.0.1 if none.
    virtual std::string DireccionLocal() const;
    virtual void CerrarRed() {}
    // The host closes the connection of the player at that seat without announcing it.
    virtual void DesconectarAsiento(Entero /*asiento*/) {}
    // The host sends the whole state to its clients.
    virtual void EnviarEstadoRed() {}
};

// What the settings windows ask the table to do once they have closed, in this order of precedence.
struct BanderasAjustes
{
    bool RestaurarSituacion = false; // reload ZARPE33.ARE, the game as it was before network play
    bool ReiniciarRed = false;       // run the network start-up (then a new match with `NuevaPartida`)
    bool NuevaPartida = false;       // start a new match
};

// The game, the settings and the work folder the settings windows change, and their services.
struct ContextoAjustes
{
    EstadoJuego& e;
    Ajustes& a;
    std::string CarpetaDatos; // ends in "/"
    ServiciosAjustes& servicios;
};

} // namespace zp
