#include "network/inicio_red.h"

#include "engine/mensajes_red.h"
#include "kit/ayuda.h"
#include "network/ciclo_red.h"
#include "network/core/arranque_red.h"
#include "network/core/mensajes.h"
#include "platform/socket_control.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"

#include <QElapsedTimer>
#include <array>

namespace zp {

namespace {

// A client tries again this long after the host could not be reached (nobody listening yet).
constexpr qint64 kReintentoMs = 500;
constexpr std::size_t kMaximoSnapshot = 1 << 20;

void MostrarPanel(Contexto& c, const TextoEspera& t)
{
    c.usuario.MostrarEspera(t.Titulo, t.Texto, t.Lineas);
}

// A wait of the start-up: until `listo` holds (asked first, it may take what it waits for off the queue),
// network play ends or the program leaves. `cadaVez` runs on the first pass and then every quarter second.
// Network play that ended meanwhile ends the start-up whatever the wait found: its last remote seat lost and
// played here leaves everybody ready, and nothing of network play may be shown again.
bool Esperar(ConexionRed& red, const std::function<bool()>& listo, const std::function<void()>& cadaVez)
{
    const Ajustes& a = red.Ctx->a;
    WaitOptions o;
    o.belongsToMatch = false; // the match on the table has been left
    o.onTick = cadaVez;
    bool hecho = false;
    const WaitEnd fin = waitUntil([&] { return (hecho = listo()) || !a.JuegoEnRed; }, o);
    return fin == WaitEnd::ConditionHeld && hecho && a.JuegoEnRed;
}

// The first line of this computer's snapshot of the network game it played last; nothing without one.
std::optional<std::string> LeerSnapshot(const ConexionRed& red)
{
    const auto leido = LeerFicheroEntero(red.Programa.CarpetaDatos + kFicheroRed, kMaximoSnapshot);
    if (!std::holds_alternative<std::string>(leido)) return std::nullopt;
    const auto cadenas = SepararFicheroEstado(std::get<std::string>(leido));
    if (!std::holds_alternative<CadenasEstado>(cadenas)) return std::nullopt;
    return std::get<CadenasEstado>(cadenas).CadenaSituacion;
}

// Both roles: the unfinished game loaded from this computer's own snapshot, with the addresses typed in the
// player settings kept, and taken up by the program. False when it could not be loaded.
bool Reanudar(ConexionRed& red)
{
    Contexto& c = *red.Ctx;
    const ResultadoCargaEstado r =
        CargarEstadoConDirecciones(red.Programa.CarpetaDatos, kFicheroRed, c.e, c.a);
    if (r.Mensaje) AvisarRed(red, r.Mensaje->Titulo, r.Mensaje->Texto, r.Mensaje->Lineas, 1, 0);
    if (!r.FicheroEncontrado || r.Mensaje) return false;
    if (c.a.ModoRed == PapelRed::Administrador) {
        c.e.PuestoLocal = 4;
        // A seat whose player did not come back is played here: nobody would send its moves.
        for (std::size_t i = 1; i <= 3; ++i) {
            AjustesJugador& j = c.a.Jugador[i];
            if (j.ControlJugador == Control::Remoto && !j.Conectado) j.ControlJugador = Control::Automatico;
        }
        red.EnviarATodosRed(CrearMensaje(codigo_red::TipoPartida, "2"));
    }
    c.e.RedibujoPendiente = false;
    c.dibujo.RedibujarMesa();
    PedirPartida(red, Peticion::ReanudarPartida);
    return true;
}

bool Administrar(ConexionRed& red)
{
    Contexto& c = *red.Ctx;
    EstadoRed& s = red.Estado;
    red.CerrarSockets();
    c.e.PuestoLocal = 4;
    s.CodigoPartida = std::string(kSinPartidaAdministrador);
    s.PartidaRecuperable = false;
    if (const auto cadena = LeerSnapshot(red)) {
        if (const auto codigo = CodigoDePartida(*cadena)) {
            s.CodigoPartida = *codigo;
            s.PartidaRecuperable = true;
        }
    }
    if (!red.Escuchar()) {
        // The port is taken (another program, or this one started twice): nobody could ever connect.
        const int numero = red.WSServidor[0]->lastErrorNumber();
        const QString descripcion = red.WSServidor[0]->lastErrorDescription();
        CerrarRed(red);
        AvisarErrorRed(red, numero, descripcion);
        RestaurarAntesDeRed(red);
        return false;
    }

    const auto listos = [&] {
        const Entero conectados = ContarConectados(c.a);
        if (conectados < ContarJugadoresRemotos(c.a)) return false;
        s.EsperandoConexiones = false;
        return s.ClientesRespondidos() >= conectados;
    };
    if (!Esperar(red, listos, [&] { MostrarPanel(c, EstadoConexionAdministrador(c.a)); })) return false;
    s.EsperandoConexiones = false;
    c.ritmo.HacerPausa(1000);
    c.usuario.OcultarEspera();
    if (red.Programa.VerBotonMensajes) red.Programa.VerBotonMensajes(true);

    if (s.PartidaRecuperable &&
        AvisarRed(
            red, "Continuar partida anterior",
            "Si lo desea, puede restaurar la situación de la última partida en red que no finalizó. Pulse "
            "el botón Aceptar para continuar la partida inacabada. Si pulsa el botón Cancelar comenzará una "
            "nueva partida en red.",
            4, 2, kAyudaRed)) {
        // A client lost while the question was open leaves the game to the start of network play again.
        if (!c.a.JuegoEnRed) return false;
        if (Reanudar(red)) return false;
    }
    if (!c.a.JuegoEnRed) return false;
    EnviarEstadoRed(red, c.almacen);
    red.EnviarATodosRed(CrearMensaje(codigo_red::TipoPartida, "1"));
    return true;
}

bool Unirse(ConexionRed& red)
{
    Contexto& c = *red.Ctx;
    EstadoRed& s = red.Estado;
    s.ClienteConectado = false;
    red.Conectar();
    QElapsedTimer intento;
    intento.start();
    const auto conectando = [&] {
        if (red.WSCliente->state() == SocketControl::Error && intento.elapsed() >= kReintentoMs) {
            red.Conectar();
            intento.restart();
        }
        MostrarPanel(c, EstadoConexionCliente());
    };
    if (!Esperar(
            red, [&] { return red.WSCliente->state() == SocketControl::Connected; }, conectando))
        return false;
    c.ritmo.HacerPausa(700);
    c.usuario.OcultarEspera();

    std::optional<EntradaCola> puesto;
    if (!Esperar(red, [&] { return (puesto = s.Cola.Tomar(codigo_red::Puesto, nullptr)).has_value(); }, {}))
        return false;
    const char digito = puesto->Cuerpo[0];
    // Seat 0 is the host's refusal, already reported.
    if (digito < '1' || digito > '3' || !c.a.JuegoEnRed) return false;
    c.e.PuestoLocal = static_cast<Entero>(digito - '0');
    s.ClienteConectado = true;

    // A snapshot written for another seat is another game.
    std::string codigo(kSinPartidaCliente);
    if (const auto cadena = LeerSnapshot(red); cadena && PuestoDeSituacion(*cadena) == c.e.PuestoLocal)
        codigo = CodigoDePartida(*cadena).value_or(codigo);
    red.EnviarAlAdministrador(CrearMensaje(codigo_red::CodigoPartida, codigo));
    c.usuario.IniciarEspera();

    std::optional<EntradaCola> tipo;
    if (!Esperar(
            red, [&] { return (tipo = s.Cola.Tomar(codigo_red::TipoPartida, nullptr)).has_value(); },
            [&] { MostrarPanel(c, EsperaVeredicto()); }))
        return false;
    s.EsperandoConexiones = false;
    c.ritmo.HacerPausa(500);
    c.usuario.OcultarEspera();
    if (red.Programa.VerBotonMensajes) red.Programa.VerBotonMensajes(true);
    if (tipo->Cuerpo == "1") return true;
    // The host takes up a game this computer does not hold: it cannot follow, as if the host were lost.
    if (codigo == kSinPartidaCliente || !Reanudar(red)) PerderAdministrador(red);
    return false;
}

} // namespace

bool IniciarJuegoEnRed(ConexionRed& red)
{
    Contexto& c = *red.Ctx;
    EstadoRed& s = red.Estado;
    PedirPartida(red, Peticion::Ninguna);
    s.Arrancando = true;
    s.PeticionAplazada.reset();
    s.PersonalAplazado = false;
    c.dibujo.LimpiarMesa();
    c.avisos.OcultarPanelTurno();
    c.grabadora.MostrarGrabadora(false);
    c.grabadora.MostrarListaJugadas(false);
    OcultarBotonContinuar(c);
    s.EsperandoConexiones = true;
    s.VaciarRecibidos();
    s.ErroresMostrados.clear();
    c.usuario.IniciarEspera();

    const bool nueva = c.a.ModoRed == PapelRed::Administrador ? Administrar(red) : Unirse(red);

    s.Arrancando = false;
    s.EsperandoConexiones = false;
    if (!c.a.JuegoEnRed) c.usuario.OcultarEspera();
    const bool empieza = nueva && c.a.JuegoEnRed;
    if (const auto p = s.PeticionAplazada) {
        s.PeticionAplazada.reset();
        // A new match asked for meanwhile is the one the caller starts now, on every computer.
        if (!empieza || *p != Peticion::NuevaPartida) PedirPartida(red, *p);
    }
    if (s.PersonalAplazado) {
        s.PersonalAplazado = false;
        AbrirPersonalRed(red);
    }
    return empieza;
}

} // namespace zp
