#include "network/ciclo_red.h"

#include "engine/mensajes_red.h"
#include "engine/partida.h"
#include "kit/ayuda.h"
#include "network/core/arranque_red.h"
#include "network/core/mensajes.h"
#include "platform/socket_control.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"

#include <algorithm>

namespace zp {

namespace {

const std::string kTituloRed = "Juego en red";

Contexto& Ctx(ConexionRed& red)
{
    return *red.Ctx;
}

void AvisarPerdidas(ConexionRed& red);

// Host: a caller that no free remote seat expects. One report of network play at a time: callers turned
// away while one is on screen are not announced again.
void RechazarConexion(ConexionRed& red, const QString& direccion)
{
    EstadoRed& s = red.Estado;
    if (s.AvisoVisible || !Ctx(red).a.JuegoEnRed) return;
    s.AvisoVisible = true;
    AvisarRed(red, kTituloRed,
              "Hay un jugador que ha solicitado conectarse con la partida, pero su  Dirección  IP  (" +
                  direccion.toStdString() +
                  ") no coincide con la de ninguno de los jugadores de la mesa de juego. Compruebe que la "
                  "Dirección IP de ese jugador es correcta.",
              4, 1, kAyudaRed);
    s.AvisoVisible = false;
    AvisarPerdidas(red);
}

// Host: the seat is played here from now on; a match waiting for its move goes on once the person here
// presses Continue.
void SeguirSinAsiento(ConexionRed& red)
{
    Contexto& c = Ctx(red);
    if (ContarJugadoresRemotos(c.a) > 0)
        EnviarEstadoRed(red, c.almacen);
    else
        CerrarRed(red);
    notifyStateChanged();
}

// Host: the seats whose connection closed, asked about one at a time, never over another report.
void AvisarPerdidas(ConexionRed& red)
{
    Contexto& c = Ctx(red);
    EstadoRed& s = red.Estado;
    while (!s.AvisoVisible) {
        if (quitting() || !c.a.JuegoEnRed) {
            s.PerdidaPorAvisar = {};
            return;
        }
        const auto it = std::find(s.PerdidaPorAvisar.begin() + 1, s.PerdidaPorAvisar.end(), true);
        if (it == s.PerdidaPorAvisar.end()) return;
        const auto puesto = static_cast<std::size_t>(it - s.PerdidaPorAvisar.begin());
        AjustesJugador& j = c.a.Jugador[puesto];
        // Back before it was asked about: nothing to ask.
        if (j.Conectado) {
            *it = false;
            continue;
        }
        s.AvisoVisible = true;
        const bool reconectar =
            AvisarRed(red, "Jugador desconectado",
                      "Se ha cortado la comunicación con el jugador " + j.NombreJugador + "." +
                          std::string(SaltoLinea) +
                          "Pulse el botón  Aceptar  para intentar conectar nuevamente. Si pulsa "
                          "el botón  Cancelar  continuará la partida actual con ese jugador en "
                          "modo Automático.",
                      4, 2, kAyudaRed);
        s.AvisoVisible = false;
        // Whatever its caller did while the question was open, this answer settles it.
        s.PerdidaPorAvisar[puesto] = false;
        if (quitting() || !c.a.JuegoEnRed) continue;
        if (reconectar) {
            CerrarRed(red);
            AbrirPersonalRed(red);
            return;
        }
        // Back while the question was open: it plays on.
        if (j.Conectado) continue;
        j.ControlJugador = Control::Automatico;
        SeguirSinAsiento(red);
    }
}

// Host: the connection of a seated client closed.
void DesconectarCliente(ConexionRed& red, Entero puesto)
{
    red.Estado.PerdidaPorAvisar[static_cast<std::size_t>(puesto)] = true;
    AvisarPerdidas(red);
}

// Descriptions of the errors a person may meet, in the program's language; others as the system gives them.
QString Descripcion(int numero, const QString& delSistema)
{
    switch (numero) {
    case SocketControl::kErrorAccessDenied:
        return QStringLiteral("Permiso denegado");
    case SocketControl::kErrorAddressInUse:
        return QStringLiteral("La dirección ya está en uso");
    case SocketControl::kErrorAddressNotAvailable:
        return QStringLiteral("La dirección solicitada no es válida");
    case SocketControl::kErrorNetworkDown:
        return QStringLiteral("La red no está disponible");
    case SocketControl::kErrorNoResources:
        return QStringLiteral("No hay recursos suficientes");
    case SocketControl::kErrorTimedOut:
        return QStringLiteral("Se ha agotado el tiempo de espera de la conexión");
    case SocketControl::kErrorHostNotFound:
        return QStringLiteral("No se encuentra el ordenador");
    default:
        return delSistema;
    }
}

} // namespace

void PrepararCicloRed(ConexionRed& red, Contexto& c, ProgramaRed programa)
{
    red.Ctx = &c;
    red.Programa = std::move(programa);
    ConexionRed* r = &red;
    red.AlRechazarConexion = [r](const QString& direccion) { RechazarConexion(*r, direccion); };
    red.AlDesconectarCliente = [r](Entero puesto) { DesconectarCliente(*r, puesto); };
    red.AlDesconectarAdministrador = [r] { PerderAdministrador(*r); };
    red.AlFallarSocket = [r](int numero, const QString& descripcion) {
        AvisarErrorRed(*r, numero, descripcion);
    };
    red.AlPedirNuevaPartida = [r] { PedirPartida(*r, Peticion::NuevaPartida); };
    red.AlRecibirChat = [r] {
        if (r->Programa.MostrarMensajes) r->Programa.MostrarMensajes();
    };
}

void CerrarRed(ConexionRed& red)
{
    EstadoRed& s = red.Estado;
    red.CerrarSockets();
    s.ClienteConectado = false;
    s.EsperandoConexiones = false;
    s.PerdidaPorAvisar = {};
    s.RechazoPorAvisar = false;
    if (!red.Ctx) return; // no game given yet: nothing shown to hide
    Contexto& c = Ctx(red);
    c.a.JuegoEnRed = false;
    c.usuario.OcultarEspera();
    c.avisos.OcultarPanelTurno();
    if (red.Programa.VerBotonMensajes) red.Programa.VerBotonMensajes(false);
    notifyStateChanged();
}

void RestaurarAntesDeRed(ConexionRed& red)
{
    Contexto& c = Ctx(red);
    const ResultadoCargaEstado r = CargarEstado(red.Programa.CarpetaDatos, kFicheroAntesDeRed, c.e, c.a);
    // Given back (or found damaged, said so): it is set aside no more, and the next snapshot takes its place.
    if (r.FicheroEncontrado || r.Mensaje) DescartarSituacionApartada(red.Programa.CarpetaDatos);
    if (r.Mensaje) AvisarRed(red, r.Mensaje->Titulo, r.Mensaje->Texto, r.Mensaje->Lineas, 1, 0);
    if (!r.FicheroEncontrado || !c.e.RedibujoPendiente) return;
    c.e.RedibujoPendiente = false;
    c.dibujo.RedibujarMesa();
    // A match running now gives way to the one loaded, or ends when the situation loaded has none.
    PedirPartida(red, c.e.PartidaEnCurso ? Peticion::ReanudarPartida : Peticion::Ninguna);
}

void PerderAdministrador(ConexionRed& red)
{
    EstadoRed& s = red.Estado;
    if (!s.ClienteConectado) {
        CerrarRed(red);
        AvisarRed(
            red, kTituloRed,
            "El Administrador de la partida ha rechazado su solicitud de conexión.   Compruebe  que  la   "
            "Dirección IP  local  que  ha comunicado al Administrador de la partida es correcta.",
            3, 1, kAyudaRed);
        s.Cola.PonerDelante(EntradaCola{codigo_red::Puesto, "0", 4});
        RestaurarAntesDeRed(red);
        return;
    }
    CerrarRed(red);
    // The network match cannot go on without its host.
    PedirPartida(red, Peticion::Ninguna);
    const bool reconectar = AvisarRed(
        red, kTituloRed,
        "Se ha cortado la comunicación con el  Administrador  de la partida.   Pulse  el  botón   "
        "Aceptar   para  intentar  conectar nuevamente.  Si pulsa el  botón  Cancelar  comenzará  una "
        "nueva partida en modo local.",
        4, 2, kAyudaRed);
    if (quitting()) return;
    if (reconectar) {
        AbrirPersonalRed(red);
        return;
    }
    const bool restaurar = AvisarRed(
        red, "Restaurar situación anterior",
        "Ha terminado de jugar en red. ¿Desea restaurar la situación que había antes de entrar en red?.  "
        "Pulse  el  botón  Aceptar para volver a la situación anterior.  Pulse el  botón  Cancelar para "
        "iniciar una nueva partida con los valores actuales.",
        4, 2, kAyudaRed);
    if (quitting()) return;
    if (restaurar)
        RestaurarAntesDeRed(red);
    else
        PedirPartida(red, Peticion::NuevaPartida);
}

bool AvisarRed(ConexionRed& red, const std::string& titulo, const std::string& texto, int lineas, int botones,
               int ayuda)
{
    const Respuesta<bool> r = Ctx(red).usuario.MostrarMensaje(titulo, texto, lineas, botones, ayuda);
    return r.valor && !quitting();
}

void PedirPartida(ConexionRed& red, Peticion peticion)
{
    if (red.Estado.AplazarPeticion(peticion)) return;
    if (red.Programa.Pedir) red.Programa.Pedir(peticion);
}

void AbrirPersonalRed(ConexionRed& red)
{
    if (red.Estado.AplazarPersonal()) return;
    if (red.Programa.AbrirPersonal) red.Programa.AbrirPersonal();
}

void AvisarErrorRed(ConexionRed& red, int numero, const QString& descripcion)
{
    // A connection retried in a loop would otherwise report the same failure on every attempt.
    if (!red.Estado.ErroresMostrados.insert(numero).second) return;
    const bool administrador = Ctx(red).a.ModoRed == PapelRed::Administrador;
    AvisarRed(red,
              administrador ? "Error en Administrador de una partida en red"
                            : "Error en Cliente de una partida en red",
              "Se ha producido el error " + std::to_string(numero) + " = " +
                  Descripcion(numero, descripcion).toStdString(),
              3, 1, 0);
}

} // namespace zp
