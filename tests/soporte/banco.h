#pragma once
// The engine of the engine's tests: a table window and a scripted person that write what they are asked
// into one diary, a scripted network, a store that keeps what it is given, a seeded generator; and hands
// set up slot by slot.
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grabadora.h"
#include "engine/partida.h"
#include "engine/reglas.h"
#include "tests/soporte/mesa_que_anota.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {

// What the engine gave the store: files written and deleted, history records; and what it hands back: a
// situation string of its own (780 columns of 'S' unless a test sets one), the settings-load messages.
class AlmacenQueAnota : public Almacen
{
public:
    bool GrabarEstado(const std::string& nombre) override
    {
        Grabados.push_back(nombre);
        return true;
    }
    void BorrarFichero(const std::string& nombre) override { Borrados.push_back(nombre); }
    std::string GenerarCadenaSituacion() override { return Situacion; }
    void AplicarManosRecibidas(const std::string& cadena) override { Aplicadas.push_back(cadena); }
    std::vector<AvisoAlmacen> CargarAjustes() override
    {
        if (AlCargar) AlCargar();
        return Avisos;
    }
    void AnadirRegistroHistorico(const ResumenPartida& r) override { Historico.push_back(r); }
    void CargarEtiquetasOpciones() override { ++Etiquetas; }

    std::string Situacion = std::string(780, 'S');
    std::vector<std::string> Grabados, Borrados, Aplicadas;
    std::vector<AvisoAlmacen> Avisos;
    std::vector<ResumenPartida> Historico;
    int Etiquetas = 0;              // times the option labels were loaded
    std::function<void()> AlCargar; // the settings file "read": the test puts its state in place
};

// Pauses at zero; the pauses asked for and the sounds played, in order. `AlPausar` runs in each pause, as
// the events that arrive while something is drawn.
class RitmoQueAnota : public Ritmo
{
public:
    void HacerPausa(int ms) override
    {
        Pausas.push_back(ms);
        if (AlPausar) AlPausar();
    }
    void ReproducirSonido(ModoSonido, int sonido) override { Sonidos.push_back(sonido); }
    std::vector<int> Pausas, Sonidos;
    std::function<void()> AlPausar;
};

// Seats in play from a string of seat digits ("134"); pairs play exactly when all four play.
inline void PonerAsientos(Ajustes& a, const std::string& enJuego)
{
    a.ModoJuego = MarcarAsientos(enJuego, a) == 4 ? Modalidad::Parejas : Modalidad::Individual;
}

inline Ajustes ConAsientos(const std::string& enJuego)
{
    Ajustes a;
    PonerAsientos(a, enJuego);
    return a;
}

// Puts tiles written "61 22" (6-1 and 2-2) in the next slots of seat p, held or laid; gives the last slot.
inline Entero DarFichas(EstadoJuego& e, Entero p, std::string_view fichas, Entero estado = kEnMano)
{
    const auto s = static_cast<std::size_t>(p);
    for (std::size_t i = 0; i + 1 < fichas.size(); i += 3) {
        const auto a = static_cast<Entero>(fichas[i] - '0'), b = static_cast<Entero>(fichas[i + 1] - '0');
        e.Manos[s][static_cast<std::size_t>(++e.HuecosMano[s])] = HuecoMano{a, b, estado};
        if (estado == kEnMano) ++e.FichasEnMano[s];
    }
    return e.HuecosMano[s];
}

struct Banco : Motor<MesaQueAnota, RitmoQueAnota, AlmacenQueAnota>
{
    explicit Banco(std::uint32_t semilla = 1, Pantalla p = MedirPantalla(800, 600)) : Motor(semilla, p)
    {
        a.SistemaReparto = FormaReparto::Aleatorio;
        usuario.Diario = &mesa.Llamadas;
        usuario.AlAbandonar = [this] { PedirPeticion(e, Peticion::NuevaPartida); };
        usuario.AlContinuar = [this] { return Continuar(); };
    }

    void Asientos(const std::string& enJuego) { PonerAsientos(a, enJuego); }

    // Puts the tile a-b held in the next slot of seat p; gives the slot.
    Entero DarFicha(Entero p, Entero a_, Entero b_)
    {
        return DarFichas(e, p, std::string{char('0' + a_), char('0' + b_)});
    }

    // The person at the Continue button, noted in `Turnos`: the wait between hands is named apart, and a
    // hand reopened for review is played on to where it stood, as the recorder's power key does.
    Respuesta<Continuacion> Continuar()
    {
        Turnos.push_back({e.JugadorTurno, e.NumeroJugada, e.ManoReabierta});
        if (usuario.Abandona(e.ManoEnCurso ? "Continuar" : "Continuar entre manos"))
            return Respuesta<Continuacion>::Abandono();
        if (e.GrabadoraActiva) IrAlFinalGrabadora(c);
        return Respuesta<Continuacion>::De(Continuacion::Continuar);
    }

    // What the table and the person were asked after the match was abandoned, if it was.
    std::vector<std::string> TrasAbandono() const
    {
        const auto& d = mesa.Llamadas;
        const auto i = std::find(d.begin(), d.end(), "ABANDONO");
        return {i == d.end() ? i : i + 1, d.end()};
    }

    struct Turno
    {
        Entero Jugador, Jugada;
        bool Reabierta;
    };
    std::vector<Turno> Turnos;
    Contexto c = Ctx();
};

} // namespace zp
