#include "engine/partida.h"

#include <cassert>
#include <optional>

#include "engine/analisis_mano.h"
#include "engine/ciclo_turno.h"
#include "engine/disposicion_manos.h"
#include "engine/eleccion.h"
#include "engine/fin_mano.h"
#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/mensaje_jugada.h"
#include "engine/mensajes_red.h"
#include "engine/reparto.h"
#include "engine/turno.h"

namespace zp {

namespace {

enum class Paso
{
    Seguir,
    Abandono
};

bool EsAdministrador(const Ajustes& a)
{
    return a.JuegoEnRed && a.ModoRed == PapelRed::Administrador;
}

ResultadoPartida Abandonar(Contexto& c)
{
    const auto peticion = static_cast<Peticion>(c.e.PeticionPendiente);
    c.e.PeticionPendiente = static_cast<Entero>(Peticion::Ninguna);
    return {FinPartida::Abandonada, peticion};
}

// Who the loop waits for before the move, and how the wait shows: the Continue button, or the network turn
// panel with its clock. Whether it is the button does not depend on the count of moves.
struct EsperaTurno
{
    bool Necesaria = false;
    bool Boton = false;
    bool Panel = false;
};

EsperaTurno DecidirEspera(const EstadoJuego& e, const Ajustes& a)
{
    const Entero p = e.JugadorTurno;
    EsperaTurno w;
    if (!a.JuegoEnRed) {
        w.Boton = AsientoConControl(a, p, Control::Manual) || a.PausaEntreJugadas || e.ManoReabierta;
        w.Necesaria = w.Boton;
        return w;
    }
    w.Panel = e.JugadasPosibles > 0;
    w.Necesaria = p == 4 && e.JugadasPosibles > 0;
    if (a.ModoRed == PapelRed::Administrador && AsientoConControl(a, p, Control::Automatico) &&
        a.PausaEntreJugadas)
        w = EsperaTurno{true, true, false};
    return w;
}

// The Continue button, or a tile of the person here; a state loaded meanwhile is shown and waited on.
Paso EsperarTurno(Contexto& c, const EsperaTurno& w)
{
    if (w.Boton) {
        c.avisos.DibujarBotonContinuar(1);
    } else if (w.Panel) {
        OcultarBotonContinuar(c);
        c.usuario.IniciarEspera();
        c.avisos.DibujarEsperandoJugada();
    }
    if (!w.Necesaria) return Paso::Seguir;
    // The panel's clock runs, and for the person here it blinks, as long as the wait lasts.
    std::function<void()> panel;
    if (w.Panel) panel = [&c] { c.avisos.DibujarEsperandoJugada(); };
    return EsperarBotonContinuar(c, true, panel) ? Paso::Seguir : Paso::Abandono;
}

// The tile the person clicked, and the end it goes to: asked with the arrows only when it fits both ends by
// its two different pips, the mover holds more than one tile and the choice makes a difference.
Paso TomarFichaElegida(Contexto& c)
{
    EstadoJuego& e = c.e;
    const Entero p = e.JugadorTurno;
    // The window lets only a playable tile be clicked; anything else leaves the chooser's move.
    if (!ComprobarFichaJugable(e, c.a, e.HuecoElegido)) {
        e.JugadaElegida = false;
        return Paso::Seguir;
    }
    const HuecoMano& h = e.Manos[I(p)][I(e.HuecoElegido)];
    e.FichaA = h.PuntoA;
    e.FichaB = h.PuntoB;
    e.ExtremoElegido = 1;
    const auto& x = e.Linea.Extremos;
    if (x[1] == x[2]) {
        if (e.FichaA != x[1]) GirarFicha(e);
        return Paso::Seguir;
    }
    const bool ambos = (e.FichaA == x[1] && e.FichaB == x[2]) || (e.FichaA == x[2] && e.FichaB == x[1]);
    const MesaLeida m = LeerMesa(e);
    const bool indiferente = AnalizarFichasNumero(m, p, e.FichaA).PuestasConNumero == 6 &&
                             AnalizarFichasNumero(m, p, e.FichaB).PuestasConNumero == 6;
    if (ambos && e.FichasEnMano[I(p)] > 1 && !indiferente) {
        e.EsperaExtremo = true;
        const Respuesta<Entero> r = c.usuario.EsperarEleccionExtremo();
        e.EsperaExtremo = false;
        if (r.abandonada) return Paso::Abandono;
        e.ExtremoElegido = r.valor == 2 ? Entero{2} : Entero{1};
    } else {
        e.ExtremoElegido = (e.FichaA == x[2] || e.FichaB == x[2]) ? Entero{2} : Entero{1};
    }
    return Paso::Seguir;
}

bool MueveRemoto(const EstadoJuego& e, const Ajustes& a)
{
    if (!a.JuegoEnRed || e.JugadasPosibles < 1) return false;
    if (a.ModoRed == PapelRed::Administrador) return AsientoConControl(a, e.JugadorTurno, Control::Remoto);
    return a.ModoRed == PapelRed::Cliente && e.JugadorTurno != 4;
}

// A remote player's move from the receive queue. Only a move for this turn that fits ends the wait: this
// computer never plays its own choice for a remote seat. A seat whose player was lost meanwhile is played
// here from then on: its move is the chooser's, once the person here presses Continue.
Paso EsperarJugadaRemota(Contexto& c, const EsperaTurno& w)
{
    EstadoJuego& e = c.e;
    std::optional<JugadaRecibida> jugada;
    bool perdido = false;
    const Espera espera = c.red.EsperarRed([&] {
        if ((perdido = !MueveRemoto(e, c.a))) return true;
        jugada = TomarJugadaDeCola(c.red.ColaRed(), e, c.a);
        if (e.RedibujoPendiente) {
            c.avisos.DibujarBotonContinuar(1);
            c.animacion.ParpadearMano(e.JugadorTurno);
            e.RedibujoPendiente = false;
        }
        if (w.Panel) c.avisos.DibujarEsperandoJugada();
        return jugada.has_value();
    });
    if (espera == Espera::Abandonada) return Paso::Abandono;
    if (perdido) {
        c.avisos.OcultarPanelTurno();
        c.avisos.DibujarBotonContinuar(1);
        return EsperarBotonContinuar(c, true) ? Paso::Seguir : Paso::Abandono;
    }
    if (!jugada) return Paso::Abandono;
    e.FichaA = jugada->FichaA;
    e.FichaB = jugada->FichaB;
    e.ExtremoElegido = jugada->Extremo;
    return Paso::Seguir;
}

void EnviarJugada(Contexto& c)
{
    const EstadoJuego& e = c.e;
    const std::string m = CrearMensajeJugada(e.NumeroJugada, e.FichaA, e.FichaB, e.ExtremoElegido);
    if (c.a.ModoRed == PapelRed::Administrador) {
        // The mover never receives its own move back.
        const Entero salvo =
            AsientoConControl(c.a, e.JugadorTurno, Control::Remoto) ? e.JugadorTurno : Entero{0};
        c.red.EnviarAClientes(m, salvo);
    } else if (e.JugadorTurno == 4) {
        c.red.EnviarAlAdministrador(m);
    }
}

// The match loop's turn: the snapshot, the caption, the events and the blink as it begins; the waits for the
// person here, the Continue button or a remote player before the move; the move sent after it.
class TurnoPartida : public PasosTurno
{
public:
    bool Empezar(Contexto& c) override
    {
        if (c.a.JuegoEnRed) c.almacen.GrabarEstado(kFicheroRed);
        // The Continue button names the seat in turn from the turn's start, so that the blink and any
        // window the events below open show whose turn it is. It takes presses only from the wait: one held
        // by the last move's pauses was made under the last seat's name and finds no wait. The host's turn
        // that does not wait on it shows none: the one the last automatic seat left pressed would go on
        // naming that seat through this turn, as if the match still waited for it. (A client shows no
        // button during a hand.)
        if (DecidirEspera(c.e, c.a).Boton) {
            c.avisos.DibujarBotonContinuar(1);
            c.e.EsperaContinuar = false;
        } else if (EsAdministrador(c.a)) {
            OcultarBotonContinuar(c);
        }
        if (c.usuario.AtenderEventos() == Espera::Abandonada) return false;
        c.animacion.ParpadearMano(c.e.JugadorTurno);
        return true;
    }

    void Contar(Contexto& c) override
    {
        ElegirJugada(c);
        c.mandos.PonerPunteroMesa(Puntero::Normal);
    }

    void AntesDeRobar(Contexto& c) override { c.avisos.OcultarBotonContinuar(); }

    EleccionTurno Elegir(Contexto& c) override
    {
        EstadoJuego& e = c.e;
        // Wait for the person here, the Continue button, or show whom a network game waits for.
        const EsperaTurno espera = DecidirEspera(e, c.a);
        if (EsperarTurno(c, espera) == Paso::Abandono) return EleccionTurno::Abandono;
        c.avisos.PonerPunteroContinuar(Puntero::Normal);
        if (!e.PartidaEnCurso) return EleccionTurno::Abandono;

        // A reopened hand reviewed back to where it ended ends again, without a move.
        if (e.NumeroJugada == e.PosicionGrabadora && e.ManoReabierta) {
            RetrocederTurno(e, c.a);
            return EleccionTurno::FinDeMano;
        }

        // The chooser's move, the person's tile, or the remote player's.
        c.mandos.PonerPunteroMesa(Puntero::Reloj);
        c.mandos.OcultarBombillaTutor();
        ElegirJugada(c);
        if (e.JugadaElegida && TomarFichaElegida(c) == Paso::Abandono) return EleccionTurno::Abandono;
        if (MueveRemoto(e, c.a)) {
            if (EsperarJugadaRemota(c, espera) == Paso::Abandono) return EleccionTurno::Abandono;
            if (!e.PartidaEnCurso) return EleccionTurno::Abandono;
        }
        c.avisos.OcultarPanelTurno();
        return EleccionTurno::Jugar;
    }

    // A laid tile of a network game goes to the others; draws and passes every computer works out itself.
    // What arrived while the move was drawn is seen to first: a new match announced meanwhile leaves this
    // one, and its move unsent.
    bool Hecha(Contexto& c) override
    {
        const EstadoJuego& e = c.e;
        const bool ficha = e.ExtremoElegido == 1 || e.ExtremoElegido == 2;
        if (!c.a.JuegoEnRed || e.JugadasPosibles < 1 || !ficha) return true;
        if (c.usuario.AtenderEventos() == Espera::Abandonada) return false;
        EnviarJugada(c);
        return true;
    }
};

} // namespace

Peticion PeticionEnPie(Peticion enPie, Peticion nueva)
{
    return enPie == Peticion::Salir ? enPie : nueva;
}

void PedirPeticion(EstadoJuego& e, Peticion peticion)
{
    const auto enPie = static_cast<Peticion>(e.PeticionPendiente);
    e.PeticionPendiente = static_cast<Entero>(PeticionEnPie(enPie, peticion));
}

void OcultarBotonContinuar(Contexto& c)
{
    c.avisos.OcultarBotonContinuar();
    c.e.EsperaContinuar = false;
}

bool EsperarBotonContinuar(Contexto& c, bool parpadearTurno, const std::function<void()>& cadaVuelta)
{
    EstadoJuego& e = c.e;
    e.EsperaContinuar = true;
    for (;;) {
        const Respuesta<Continuacion> r = c.usuario.EsperarContinuar(cadaVuelta);
        if (r.abandonada) return false;
        if (r.valor != Continuacion::Redibujar) break;
        c.avisos.DibujarBotonContinuar(1);
        if (parpadearTurno) c.animacion.ParpadearMano(e.JugadorTurno);
        e.RedibujoPendiente = false;
    }
    e.EsperaContinuar = false;
    return true;
}

void CerrarPartida(Contexto& c)
{
    EstadoJuego& e = c.e;
    c.dibujo.LimpiarMesa();
    c.grabadora.MostrarListaJugadas(false);
    OcultarBotonContinuar(c);
    c.avisos.OcultarPanelTurno();
    e.PartidaEnCurso = false;
    c.almacen.BorrarFichero(kFicheroRed);
    e.NumeroJugada = 0;
}

ResultadoPartida ComenzarPartida(Contexto& c)
{
    EstadoJuego& e = c.e;
    c.red.EmpezarPartida();
    e.PartidaEnCurso = true;
    e.PeticionPendiente = static_cast<Entero>(Peticion::Ninguna);
    c.dibujo.LimpiarMesa();
    c.mandos.OcultarFlechas();
    c.grabadora.MostrarGrabadora(false);
    c.grabadora.MostrarListaJugadas(false);
    OcultarBotonContinuar(c);
    c.avisos.OcultarPanelTurno();
    e.NumeroMano = 0;
    e.JugadorSalida = 0;
    e.GanadorMano = 0;
    e.RepetirSalida = false;
    e.ManoReabierta = false;
    if (EsAdministrador(c.a)) {
        const int id = Aleatorio(c.azar, 9999);
        e.IdPartida = std::to_string(10000 + id).substr(1);
        EnviarEstadoRed(c.red, c.almacen);
    }
    e.ManoEnCurso = false;
    e.Anotaciones.assign(std::max(e.Anotaciones.size(), kEntradasMarcador + 1), RegistroMano{});
    c.azar.SembrarDelReloj();

    CalcularDisposicionManos(c);
    switch (IniciarMano(c)) {
    case ResultadoReparto::Listo:
        return JugarPartida(c);
    case ResultadoReparto::Abandonado:
        // Left before its first hand began, the match has nothing to go on with.
        e.NumeroMano = 0;
        e.PartidaEnCurso = false;
        return Abandonar(c);
    case ResultadoReparto::ReglasNoValidas:
        break;
    }
    CerrarPartida(c);
    return {FinPartida::ReglasNoValidas, Peticion::Ninguna};
}

// What the loop does once a hand has ended: nothing more when the next one is under way.
std::optional<ResultadoPartida> TrasFinDeMano(Contexto& c, FinMano fin)
{
    switch (fin) {
    case FinMano::Continuar:
        return std::nullopt;
    case FinMano::Abandonada:
        return Abandonar(c);
    case FinMano::PartidaTerminada:
        CerrarPartida(c);
        return ResultadoPartida{FinPartida::Terminada, Peticion::Ninguna};
    case FinMano::ReglasNoValidas:
        break;
    }
    CerrarPartida(c);
    return ResultadoPartida{FinPartida::ReglasNoValidas, Peticion::Ninguna};
}

ResultadoPartida JugarPartida(Contexto& c)
{
    EstadoJuego& e = c.e;
    for (;;) {
        if (!e.PartidaEnCurso) {
            CerrarPartida(c);
            return Abandonar(c);
        }
        // Every turn is a step: a match left anywhere since the last one goes no further.
        if (c.usuario.PartidaDejada()) return Abandonar(c);
        TurnoPartida turno;
        switch (JugarTurno(c, turno).Fin) {
        case FinTurno::Siguiente:
            continue;
        case FinTurno::Abandono:
            return Abandonar(c);
        case FinTurno::Domino:
        case FinTurno::Cerrada:
            break;
        }
        if (auto r = TrasFinDeMano(c, TerminarMano(c))) return *r;
    }
}

ResultadoPartida ReanudarPartida(Contexto& c)
{
    EstadoJuego& e = c.e;
    if (!e.PartidaEnCurso) return {FinPartida::SinPartida, Peticion::Ninguna};
    if (!e.ManoEnCurso) {
        // Left between two hands: the match goes on as it would have when the person pressed Continuar.
        if (e.NumeroMano < 1) return {FinPartida::SinPartida, Peticion::Ninguna};
        if (auto r = TrasFinDeMano(c, SeguirTrasMano(c))) return *r;
        return JugarPartida(c);
    }
    // The loop advances the turn first: it steps back once.
    RetrocederTurno(e, c.a);
    return JugarPartida(c);
}

ResultadoPartida AtenderPeticion(Contexto& c, Peticion peticion)
{
    switch (peticion) {
    case Peticion::NuevaPartida:
        return ComenzarPartida(c);
    case Peticion::ReanudarPartida:
        return ReanudarPartida(c);
    case Peticion::Ninguna:
    case Peticion::Salir:
        break;
    }
    return {FinPartida::SinPartida, peticion};
}

} // namespace zp
