#pragma once
// Network play on this computer: the table window's sockets (`WSServidor`(0..3) on the host, `WSCliente` on a
// client), their events, and the engine's network interface on them. What arrives is handled by the
// messages' own rules (network/core); whatever would start a match or open a window is left for the event
// loop, never run inside a socket's event.
#include "engine/contexto.h"
#include "engine/partida.h"
#include "engine/red.h"
#include "network/core/estado_red.h"
#include "network/core/protocolo.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

namespace zp {

class SocketControl;

// What network play asks of the program around it; each may be left empty.
struct ProgramaRed
{
    std::string CarpetaDatos; // the work folder, ending in "/": the snapshots are read from it
    // A new match, the unfinished one taken up, or (Ninguna) the match on the table ended. The program
    // serves it once the match running now has unwound.
    std::function<void(Peticion)> Pedir;
    std::function<void()> AbrirPersonal;        // the player settings, from which network play starts again
    std::function<void(bool)> VerBotonMensajes; // the bar's chat button, shown only during network play
    std::function<void()> MostrarMensajes;      // a chat line came: the chat window, unless it is open
};

class ConexionRed : public QObject, public Red, private Enlaces
{
    Q_OBJECT
public:
    static constexpr quint16 kPuertoRed = 13531;

    ConexionRed(EstadoJuego& juego, Ajustes& datos, QObject* padre = nullptr);
    ~ConexionRed() override;

    // Host: every client socket that is open. Errors are ignored.
    void EnviarATodosRed(const std::string& mensaje) override;
    void EnviarAClientes(const std::string& mensaje, Entero salvoPuesto) override;
    // Client: to the host.
    void EnviarAlAdministrador(const std::string& mensaje) override;
    // Handles every event until `llegado` holds; ends early when the match is abandoned, the program quits
    // or network play ends.
    Espera EsperarRed(const std::function<bool()>& llegado) override;
    std::string& ColaRed() override;
    std::optional<std::string> TomarReparto() override;
    void EmpezarPartida() override;

    // The settings network play runs under.
    const Ajustes& Datos() const { return datos_; }

    // Host: listens on `Puerto`; false when it cannot (the error event follows).
    bool Escuchar();
    // Client: connects to the host's address, DireccionIP(4), on `Puerto`.
    void Conectar();
    // Every socket closed, the seats no longer connected, nothing received kept, no client counted as
    // answered.
    void CerrarSockets();
    // Host: the connection that serves `puesto` closed as if its player had left, but not announced (the
    // host's own player dropped that seat).
    void CerrarPuestoSinAviso(Entero puesto);

    // One chat record of the person here: a client sends it to the host, which sends it back to everyone; the
    // host stores it first and sends it to every client. A client not connected drops it.
    void EnviarMensajeChat(const std::string& registro);
    // The chat window has listed every record stored. A record stored after that is a line nobody has seen
    // yet, for which a closed chat window opens.
    void MarcarChatListado();
    bool ChatPorVer() const;

    // The sockets, by the names the game's network code uses.
    std::array<SocketControl*, 4> WSServidor{};
    SocketControl* WSCliente = nullptr;
    EstadoRed Estado;
    quint16 Puerto = kPuertoRed;
    // The game network play belongs to and the program around it, once the program has given them.
    Contexto* Ctx = nullptr;
    ProgramaRed Programa;

    // What the program does about an arrival, called from the event loop once the arrival was handled, at a
    // step of play: never inside a pause or a box. A client's host starting a new game holds back what it
    // sends for that game until it begins here, so that the match being left reads nothing of it.
    std::function<void()> AlPedirNuevaPartida;
    std::function<void()> AlRecibirChat;
    std::function<void(Entero puesto)> AlDesconectarCliente; // host: a seated client's connection closed
    std::function<void()> AlDesconectarAdministrador;        // client
    // Host: a caller that no free remote seat expects was turned away, during the start-up or later.
    std::function<void(const QString& direccion)> AlRechazarConexion;
    // A socket error other than the ones network play handles itself.
    std::function<void(int numero, const QString& descripcion)> AlFallarSocket;

    // The seat a connection request from `direccion` gets (host's numbering), 0 when none is free for it.
    Entero PuestoParaDireccion(const QString& direccion) const;

signals:
    // A chat record was stored: an open chat window lists it at once.
    void mensajesChatCambiados();

private:
    bool Abierto(int socket) const override;
    Entero Puesto(int socket) const override;
    void Enviar(int socket, const std::string& mensaje) override;

    void WSServidor_DataArrival(int index);
    void WSCliente_DataArrival();
    void WSServidor_ConnectionRequest(int requestId);
    void WSServidor_Close(int index);
    void WSCliente_Close();
    void WSCliente_Error(int numero, const QString& descripcion);
    void WSServidor_Error(int index, int numero, const QString& descripcion);

    void Atender(const Avisos& avisos);
    // Runs `accion` from the event loop, after those asked before it, and never inside a quiet pause or a
    // box; not at all once network play has ended meanwhile.
    void Despues(const std::function<void()>& accion);

    EstadoJuego& juego_;
    Ajustes& datos_;
    ProtocoloRed protocolo_;
    std::size_t chatListado_ = 0; // records the chat window has listed
};

} // namespace zp
