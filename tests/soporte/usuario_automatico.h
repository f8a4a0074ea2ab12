#pragma once
// The person at this computer, played by a script: for tools and tests.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/usuario.h"

namespace zp {

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
                                   int botones, int ayuda = 0,
                                   CierreCaja alCerrar = CierreCaja::Cancelar) override;
    void IniciarEspera() override {}
    void MostrarEspera(const std::string& titulo, const std::string& texto, int lineas) override;
    void OcultarEspera() override { EsperaVisible = false; }
    Respuesta<Continuacion> EsperarContinuar(const std::function<void()>& cadaVuelta = {}) override;
    Respuesta<Entero> EsperarEleccionExtremo() override;
    Respuesta<Entero> EsperarEleccionSalida(const Ajustes& a) override;
    Espera EsperarRepartoManual(EstadoJuego& e, const std::function<bool()>& terminado) override;
    Espera AtenderEventos() override
    {
        if (Dejada) return Espera::Abandonada;
        return !Abandonar && Abandona("Eventos") ? Espera::Abandonada : Espera::Cumplida;
    }
    bool PartidaDejada() override { return Dejada; }

    // Names a blocking call ("Mensaje <título>", "Continuar", "Extremo", "Salida", "Eventos") in `Diario`
    // when there is one; true when the match is abandoned at it: always with `Abandonar`, else at the
    // `VezAbandono`-th call named `AbandonarEn`, after `AlAbandonar`.
    bool Abandona(const std::string& llamada);

    std::deque<bool> RespuestasMensaje;
    std::string RechazarTitulo; // the questions with this title answered No this many times first
    int VecesRechazo = 0;
    std::deque<Entero> SalidasElegidas;
    std::deque<Entero> ExtremosElegidos;
    // Replaces the default manual deal; it should fill the hands, else the deal is abandoned.
    std::function<void(EstadoJuego&)> RepartoManual;
    // Replaces the default answer to the Continue button (continue).
    std::function<Respuesta<Continuacion>()> AlContinuar;
    bool Abandonar = false; // every blocking call reports the match abandoned
    // The match was left from outside its steps, as a window leaves it: every step from now on finds it so.
    bool Dejada = false;
    std::string AbandonarEn;
    int VezAbandono = 1;
    std::function<void()> AlAbandonar;
    std::vector<std::string>* Diario = nullptr;

    std::vector<Mensaje> Mensajes;
    std::string TituloEspera;
    bool EsperaVisible = false;

private:
    int vecesAbandonarEn_ = 0;
};

} // namespace zp
