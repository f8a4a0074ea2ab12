#pragma once
// The decisions the engine waits for from the person at this computer. Each call blocks (the table window
// runs its events meanwhile) and may come back saying the match was abandoned.
#include <deque>
#include <functional>
#include <string>
#include <vector>

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

class Usuario
{
public:
    virtual ~Usuario() = default;

    // The program's message box; botones 1 = one button, any other value = accept and refuse. The answer is
    // true for the accepting button (always for a one-button box).
    virtual Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                           int botones, int ayuda = 0) = 0;

    // The waiting panel: its clock starts at IniciarEspera; MostrarEspera is called on every pass of a wait
    // and redraws only when the whole seconds change.
    virtual void IniciarEspera() = 0;
    virtual void MostrarEspera(const std::string& titulo, const std::string& texto, int lineas) = 0;
    virtual void OcultarEspera() = 0;

    virtual Respuesta<Continuacion> EsperarContinuar() = 0;
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
};

// Headless person: answers from the scripts given, else by default (accept, continue, end 1, the first
// seat in play, tiles dealt from the grid in turn). It keeps the message boxes shown, for tests and tools.
class UsuarioAutomatico : public Usuario
{
public:
    struct Mensaje
    {
        std::string titulo, texto;
        int lineas = 0, botones = 0, ayuda = 0;
    };

    Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                   int botones, int ayuda = 0) override;
    void IniciarEspera() override {}
    void MostrarEspera(const std::string& titulo, const std::string& texto, int lineas) override;
    void OcultarEspera() override { EsperaVisible = false; }
    Respuesta<Continuacion> EsperarContinuar() override;
    Respuesta<Entero> EsperarEleccionExtremo() override;
    Respuesta<Entero> EsperarEleccionSalida(const Ajustes& a) override;
    Espera EsperarRepartoManual(EstadoJuego& e, const std::function<bool()>& terminado) override;

    std::deque<bool> RespuestasMensaje;
    std::deque<Entero> SalidasElegidas;
    std::deque<Entero> ExtremosElegidos;
    // Replaces the default manual deal; it should fill the hands, else the deal is abandoned.
    std::function<void(EstadoJuego&)> RepartoManual;
    bool Abandonar = false; // every blocking call reports the match abandoned

    std::vector<Mensaje> Mensajes;
    std::string TituloEspera;
    bool EsperaVisible = false;
};

} // namespace zp
