#pragma once
// The decisions the engine waits for from the person at this computer. Each call blocks (the table window
// runs its events meanwhile) and may come back saying the match was abandoned.
#include <functional>
#include <string>

#include "engine/ajustes.h"
#include "engine/respuesta.h"

namespace zp {

// How the wait for the Continue button ended.
enum class Continuacion
{
    Continuar,    // the button (for a Manual seat: let the computer choose)
    FichaElegida, // the person played a tile: JugadaElegida and HuecoElegido are set
    Redibujar     // a state was loaded meanwhile: redraw and wait again
};

// What a two-button box answers when it is closed from outside: by the window manager (Alt+F4 reaches the
// box that has the focus) or by the program. A one-button box has one answer however it closes.
enum class CierreCaja
{
    Cancelar, // the answer the box opens with: nothing of what the question offers is done
    Aceptar,  // where Cancelar would undo play (take a hand back, refuse a deal), as Escape answers
    Ninguno   // the box stays: it asks about that very close, which adds nothing to it
};

class Usuario
{
public:
    virtual ~Usuario() = default;

    // The program's message box; botones 1 = one button, any other value = accept and refuse. The answer is
    // true for the accepting button (always for a one-button box).
    virtual Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                           int botones, int ayuda = 0,
                                           CierreCaja alCerrar = CierreCaja::Cancelar) = 0;

    // The waiting panel: its clock starts at IniciarEspera; MostrarEspera is called on every pass of a wait
    // and redraws only when the whole seconds change.
    virtual void IniciarEspera() = 0;
    virtual void MostrarEspera(const std::string& titulo, const std::string& texto, int lineas) = 0;
    virtual void OcultarEspera() = 0;

    // `cadaVuelta`, when given, is called as the wait begins and then on every round of it, often enough
    // for what it draws to keep time: the network turn panel's clock, and its blink of a fifth of a second.
    virtual Respuesta<Continuacion> EsperarContinuar(const std::function<void()>& cadaVuelta = {}) = 0;
    // The end, 1 or 2, clicked with the arrows.
    virtual Respuesta<Entero> EsperarEleccionExtremo() = 0;
    // The seat whose hand was clicked while EligiendoSalida was set.
    virtual Respuesta<Entero> EsperarEleccionSalida(const Ajustes& a) = 0;
    // The person drags the grid's tiles into the hands (the table's handlers call ColocarFichaReparto and
    // DevolverFichaReparto) until `terminado` holds.
    virtual Espera EsperarRepartoManual(EstadoJuego& e, const std::function<bool()>& terminado) = 0;

    // Lets the window handle the events pending now, once, without waiting for any; the match may have been
    // abandoned meanwhile.
    virtual Espera AtenderEventos() { return Espera::Cumplida; }
    // The match being played was left since it began (a new match, a game loaded, the program leaving),
    // whether or not a wait was running then: it unwinds at its next step.
    virtual bool PartidaDejada() { return false; }
};

} // namespace zp
