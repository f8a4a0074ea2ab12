#pragma once
// A whole engine for match tests: a table and a person that write what they were asked into one diary, a
// person who can be scripted to play tiles, refuse a message or abandon the match at a given wait, and a
// store that keeps what it was given to write.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/contexto.h"
#include "engine/grabadora.h"
#include "engine/jugada.h"
#include "engine/partida.h"
#include "engine/reglas.h"
#include "tests/soporte/banco.h"

namespace zp::prueba {

using Diario = std::vector<std::string>;

// The headless person, scripted. Every blocking call is named in the diary ("Mensaje <título>",
// "Continuar", "Extremo", "Salida", "Eventos") and counted by name; `AbandonarEn` names the call, and
// `VezAbandono` which one of them (1 the first), at which the match is abandoned with `Peticion` asked.
class UsuarioGuion : public UsuarioAutomatico
{
public:
    UsuarioGuion(Diario& d, EstadoJuego& e, Contexto& c) : d_(d), e_(e), c_(c) {}

    Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                   int botones, int ayuda = 0) override
    {
        if (Abandona("Mensaje " + titulo)) return Respuesta<bool>::Abandono();
        if (titulo == RechazarTitulo && VecesRechazo > 0 && botones != 1) {
            --VecesRechazo;
            Mensajes.push_back({titulo, texto, lineas, botones, ayuda});
            return Respuesta<bool>::De(false);
        }
        return UsuarioAutomatico::MostrarMensaje(titulo, texto, lineas, botones, ayuda);
    }

    Respuesta<Continuacion> EsperarContinuar() override
    {
        Turnos.push_back({e_.JugadorTurno, e_.NumeroJugada, e_.ManoEnCurso, e_.ManoReabierta});
        if (AbandonarTrasExtremo && !Preguntas.empty())
            AbandonarEn = e_.ManoEnCurso ? "Continuar" : "Continuar entre manos";
        if (Abandona(e_.ManoEnCurso ? "Continuar" : "Continuar entre manos"))
            return Respuesta<Continuacion>::Abandono();
        // The person switches the recorder off again, as the power key would: the game replays to where it
        // stood.
        if (e_.GrabadoraActiva) IrAlFinalGrabadora(c_);
        if (e_.ManoEnCurso && JugarFichas && e_.JugadorTurno == 4 && a_ &&
            a_->Jugador[4].ControlJugador == Control::Manual) {
            const Entero hueco = ElegirHueco();
            if (hueco != 0) {
                e_.HuecoElegido = hueco;
                e_.JugadaElegida = true;
                return Respuesta<Continuacion>::De(Continuacion::FichaElegida);
            }
        }
        return Respuesta<Continuacion>::De(Continuacion::Continuar);
    }

    Respuesta<Entero> EsperarEleccionExtremo() override
    {
        if (Abandona("Extremo")) return Respuesta<Entero>::Abandono();
        const Respuesta<Entero> r = UsuarioAutomatico::EsperarEleccionExtremo();
        Preguntas.push_back({e_.NumeroJugada, e_.FichaA, e_.FichaB, r.valor});
        return r;
    }

    Respuesta<Entero> EsperarEleccionSalida(const Ajustes& a) override
    {
        if (Abandona("Salida")) return Respuesta<Entero>::Abandono();
        return UsuarioAutomatico::EsperarEleccionSalida(a);
    }

    Espera AtenderEventos() override { return Abandona("Eventos") ? Espera::Abandonada : Espera::Cumplida; }

    struct Turno
    {
        Entero Jugador, Jugada;
        bool ManoEnCurso, Reabierta;
    };
    std::vector<Turno> Turnos;
    std::string AbandonarEn;
    int VezAbandono = 1;
    Peticion Pide = Peticion::NuevaPartida;
    std::string RechazarTitulo; // answer Cancelar/No this many times to this title
    int VecesRechazo = 0;
    bool JugarFichas = false; // the person at seat 4 clicks tiles, one that fits both ends first
    const Ajustes* a_ = nullptr;
    // Each time the person was asked for the end: the move, the tile as clicked, the end answered.
    struct Pregunta
    {
        Entero Jugada, FichaA, FichaB, Extremo;
    };
    std::vector<Pregunta> Preguntas;
    bool AbandonarTrasExtremo = false; // abandon at the first Continue wait after an end was asked

private:
    bool Abandona(const std::string& llamada)
    {
        d_.push_back(llamada);
        const int n = ++Cuenta[llamada];
        if (llamada != AbandonarEn || (n != VezAbandono && !AbandonarTrasExtremo)) return false;
        d_.push_back("ABANDONO");
        PedirPeticion(e_, Pide);
        return true;
    }

    Entero ElegirHueco() const
    {
        const auto& x = e_.Linea.Extremos;
        Entero cualquiera = 0;
        for (Entero s = 1; s <= e_.HuecosMano[4]; ++s) {
            if (!ComprobarFichaJugable(e_, *a_, s)) continue;
            const HuecoMano& h = e_.Manos[4][static_cast<std::size_t>(s)];
            if (h.PuntoA != h.PuntoB && x[1] != x[2] &&
                ((h.PuntoA == x[1] && h.PuntoB == x[2]) || (h.PuntoA == x[2] && h.PuntoB == x[1])))
                return s;
            if (cualquiera == 0) cualquiera = s;
        }
        return cualquiera;
    }

    Diario& d_;
    EstadoJuego& e_;
    Contexto& c_;
    std::map<std::string, int> Cuenta;
};

struct BancoPartida
{
    explicit BancoPartida(std::uint32_t semilla = 1, Pantalla p = MedirPantalla(800, 600))
        : pantalla(p), mesa(diario), usuario(diario, e, c), azar(semilla)
    {
        usuario.a_ = &a;
    }
    BancoPartida(const BancoPartida&) = delete;
    BancoPartida& operator=(const BancoPartida&) = delete;

    void Asientos(const std::string& enJuego) { PonerAsientos(a, enJuego); }

    // Everything that happened after the match was abandoned, if it was.
    Diario TrasAbandono() const
    {
        Diario r;
        bool tras = false;
        for (const auto& l : diario) {
            if (tras) r.push_back(l);
            if (l == "ABANDONO") tras = true;
        }
        return r;
    }

    Diario diario;
    EstadoJuego e;
    Ajustes a;
    Pantalla pantalla;
    MesaQueAnota mesa;
    Contexto c{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar};
    UsuarioGuion usuario;
    RitmoNulo ritmo;
    RedNula red;
    AlmacenQueAnota almacen;
    AzarSemilla azar;
};

} // namespace zp::prueba
