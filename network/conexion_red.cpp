#include "network/conexion_red.h"

#include "network/core/mensajes.h"
#include "platform/outside_pause.h"
#include "platform/socket_control.h"
#include "platform/wait.h"

#include <utility>

namespace zp {

ConexionRed::ConexionRed(EstadoJuego& juego, Ajustes& datos, QObject* padre)
    : QObject(padre), juego_(juego), datos_(datos), protocolo_(Estado, juego, datos, *this)
{
    for (int i = 0; i <= 3; ++i) {
        auto* s = new SocketControl(this);
        WSServidor[static_cast<std::size_t>(i)] = s;
        connect(s, &SocketControl::dataArrival, this, [this, i] { WSServidor_DataArrival(i); });
        connect(s, &SocketControl::closed, this, [this, i] { WSServidor_Close(i); });
        connect(s, &SocketControl::errorOccurred, this, [this, i](int numero, const QString& descripcion) {
            WSServidor_Error(i, numero, descripcion);
        });
    }
    connect(WSServidor[0], &SocketControl::connectionRequest, this,
            &ConexionRed::WSServidor_ConnectionRequest);
    WSCliente = new SocketControl(this);
    connect(WSCliente, &SocketControl::dataArrival, this, &ConexionRed::WSCliente_DataArrival);
    connect(WSCliente, &SocketControl::closed, this, &ConexionRed::WSCliente_Close);
    connect(WSCliente, &SocketControl::errorOccurred, this, &ConexionRed::WSCliente_Error);
}

ConexionRed::~ConexionRed() = default;

void ConexionRed::EnviarATodosRed(const std::string& mensaje)
{
    protocolo_.EnviarATodosRed(mensaje);
}

void ConexionRed::EnviarAClientes(const std::string& mensaje, Entero salvoPuesto)
{
    protocolo_.EnviarAClientes(mensaje, salvoPuesto);
}

void ConexionRed::EnviarAlAdministrador(const std::string& mensaje)
{
    protocolo_.EnviarAlAdministrador(mensaje);
}

Espera ConexionRed::EsperarRed(const std::function<bool()>& llegado)
{
    // What arrived, or what the waiter checks for itself (a seat no longer remote), is asked first: network
    // play ending only cuts short a wait that found nothing.
    bool cumplida = false;
    const WaitEnd fin = waitUntil([&] { return (cumplida = llegado()) || !datos_.JuegoEnRed; });
    return fin == WaitEnd::ConditionHeld && cumplida ? Espera::Cumplida : Espera::Abandonada;
}

bool ConexionRed::Escuchar()
{
    return WSServidor[0]->listen(Puerto);
}

void ConexionRed::Conectar()
{
    protocolo_.OlvidarTrama(0);
    WSCliente->connectTo(QString::fromStdString(datos_.Jugador[kPuestoAdministrador].DireccionIP).trimmed(),
                         Puerto);
}

void ConexionRed::CerrarSockets()
{
    for (int i = 0; i <= 3; ++i) {
        SocketControl* s = WSServidor[static_cast<std::size_t>(i)];
        s->close();
        if (s->tag() >= 1 && s->tag() <= 3)
            datos_.Jugador[static_cast<std::size_t>(s->tag())].Conectado = false;
        s->setTag(0);
        protocolo_.OlvidarTrama(i);
    }
    WSCliente->close();
    Estado.VaciarRecibidos();
    Estado.Respondio = {};
    notifyStateChanged();
}

void ConexionRed::EnviarMensajeChat(const std::string& registro)
{
    if (datos_.ModoRed != PapelRed::Administrador) {
        // Stored when the host sends it back, so that every computer lists the lines in the host's order.
        if (WSCliente->isOpen()) EnviarAlAdministrador(CrearMensaje(codigo_red::Chat, registro));
        return;
    }
    AnadirMensajeChat(Estado, registro);
    EnviarATodosRed(CrearMensaje(codigo_red::Chat, registro));
    emit mensajesChatCambiados();
}

void ConexionRed::MarcarChatListado()
{
    chatListado_ = ContarMensajesChat(Estado);
}

bool ConexionRed::ChatPorVer() const
{
    return ContarMensajesChat(Estado) > chatListado_;
}

Entero ConexionRed::PuestoParaDireccion(const QString& direccion) const
{
    for (std::size_t i = 1; i <= 3; ++i) {
        const AjustesJugador& j = datos_.Jugador[i];
        if (QString::fromStdString(j.DireccionIP).trimmed().compare(direccion, Qt::CaseInsensitive) == 0 &&
            j.EstadoJugador == EstadoAsiento::Activado && j.ControlJugador == Control::Remoto && !j.Conectado)
            return static_cast<Entero>(i);
    }
    return 0;
}

bool ConexionRed::Abierto(int socket) const
{
    const SocketControl* s = socket == 0 ? WSCliente : WSServidor[static_cast<std::size_t>(socket)];
    return s->isOpen();
}

Entero ConexionRed::Puesto(int socket) const
{
    return socket == 0 ? Entero{0} : static_cast<Entero>(WSServidor[static_cast<std::size_t>(socket)]->tag());
}

void ConexionRed::Enviar(int socket, const std::string& mensaje)
{
    SocketControl* s = socket == 0 ? WSCliente : WSServidor[static_cast<std::size_t>(socket)];
    s->sendData(mensaje);
}

void ConexionRed::WSServidor_DataArrival(int index)
{
    Atender(protocolo_.Recibir(index, WSServidor[static_cast<std::size_t>(index)]->getData()));
}

void ConexionRed::WSCliente_DataArrival()
{
    Atender(protocolo_.Recibir(0, WSCliente->getData()));
}

void ConexionRed::WSServidor_ConnectionRequest(int requestId)
{
    SocketControl& escucha = *WSServidor[0];
    const QString direccion = escucha.requestAddress(requestId);
    const Entero puesto = PuestoParaDireccion(direccion);
    int libre = 0;
    for (int j = 3; j >= 1; --j)
        if (WSServidor[static_cast<std::size_t>(j)]->state() == SocketControl::Closed) libre = j;
    if (puesto == 0 || libre == 0 || !Estado.Arrancando) {
        // Turned away at once: a caller left waiting would never learn it has no seat. Once the start-up is
        // over nobody joins the game; a caller that no seat expects is reported whenever it calls.
        escucha.refuse(requestId);
        // One report at a time: whoever calls while one is on screen, or waits to be, is not reported.
        if (puesto == 0 && AlRechazarConexion && !Estado.AvisoVisible && !Estado.RechazoPorAvisar) {
            Estado.RechazoPorAvisar = true;
            Despues([this, direccion] {
                Estado.RechazoPorAvisar = false;
                AlRechazarConexion(direccion);
            });
        }
        return;
    }
    SocketControl& s = *WSServidor[static_cast<std::size_t>(libre)];
    s.accept(escucha, requestId);
    s.setTag(puesto);
    protocolo_.OlvidarTrama(libre);
    datos_.Jugador[static_cast<std::size_t>(puesto)].Conectado = true;
    s.sendData(CrearMensaje(codigo_red::Puesto, std::string(1, static_cast<char>('0' + puesto))));
    notifyStateChanged();
}

void ConexionRed::WSServidor_Close(int index)
{
    SocketControl* s = WSServidor[static_cast<std::size_t>(index)];
    const int puesto = s->tag();
    s->close();
    s->setTag(0);
    protocolo_.OlvidarTrama(index);
    if (puesto < 1 || puesto > 3) return; // a socket that served no seat
    AjustesJugador& j = datos_.Jugador[static_cast<std::size_t>(puesto)];
    if (!j.Conectado) return;
    j.Conectado = false;
    Estado.Respondio[static_cast<std::size_t>(puesto)] = false; // its answer left with it
    notifyStateChanged();
    if (AlDesconectarCliente) Despues([this, puesto] { AlDesconectarCliente(static_cast<Entero>(puesto)); });
}

void ConexionRed::CerrarPuestoSinAviso(Entero puesto)
{
    const auto aviso = std::exchange(AlDesconectarCliente, nullptr);
    for (int k = 1; k <= 3; ++k) {
        const SocketControl* s = WSServidor[static_cast<std::size_t>(k)];
        if (s->tag() == puesto && s->isOpen()) WSServidor_Close(k);
    }
    AlDesconectarCliente = aviso;
}

void ConexionRed::WSCliente_Close()
{
    if (!WSCliente->isOpen()) return;
    WSCliente->close();
    protocolo_.OlvidarTrama(0);
    notifyStateChanged();
    if (AlDesconectarAdministrador) Despues([this] { AlDesconectarAdministrador(); });
}

void ConexionRed::WSCliente_Error(int numero, const QString& descripcion)
{
    if (numero == SocketControl::kErrorConnectionRefused) {
        notifyStateChanged(); // whoever waits to be connected tries again
        return;
    }
    if (numero == SocketControl::kErrorConnectionAborted) {
        WSCliente_Close();
        return;
    }
    if (AlFallarSocket) Despues([this, numero, descripcion] { AlFallarSocket(numero, descripcion); });
}

void ConexionRed::WSServidor_Error(int index, int numero, const QString& descripcion)
{
    if (numero == SocketControl::kErrorConnectionAborted) {
        WSServidor_Close(index);
        return;
    }
    if (AlFallarSocket) Despues([this, numero, descripcion] { AlFallarSocket(numero, descripcion); });
}

void ConexionRed::Atender(const Avisos& avisos)
{
    if (avisos.Recibido) notifyStateChanged();
    // The match being left stops at its next step, never inside this event or a box open now; what came
    // for the new one is held until it begins.
    if (avisos.NuevaPartida && AlPedirNuevaPartida) Despues([this] { AlPedirNuevaPartida(); });
    if (avisos.Chat) {
        // Only informs: an open chat window lists the line at once. A closed one opens for it, from the event
        // loop, once for all the lines that came before it opened; what it listed asks for nothing more.
        emit mensajesChatCambiados();
        if (AlRecibirChat && ChatPorVer())
            Despues([this] {
                if (ChatPorVer()) AlRecibirChat();
            });
    }
}

void ConexionRed::Despues(const std::function<void()>& accion)
{
    // What an arrival leaves for later belongs to the network play it came in: once that is over (the person
    // left the program, or switched network play off) there is nobody to tell and no match of it to start.
    postOutsidePause(this, [this, accion] {
        if (datos_.JuegoEnRed) accion();
    });
}

std::string& ConexionRed::ColaRed()
{
    return protocolo_.ColaDelMotor();
}

std::optional<std::string> ConexionRed::TomarReparto()
{
    return protocolo_.TomarReparto();
}

void ConexionRed::EmpezarPartida()
{
    Atender(protocolo_.EmpezarPartida());
}

} // namespace zp
