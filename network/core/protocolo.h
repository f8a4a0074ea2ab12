#pragma once
// Network play's messages on both ends: what arrives is framed, checked field by field and either handled
// at once (a state, a deal, a chat line, a handshake answer, a new game) or queued for the wait that takes
// it; what leaves goes to the host or to the host's clients by the relaying rules. No sockets here: they are
// reached through `Enlaces`, so the same rules run over Qt's sockets and in tests.
#include "engine/ajustes.h"
#include "network/core/estado_red.h"
#include "network/core/trama.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zp {

// The host's seat as a client numbers the seats.
inline constexpr Entero kPuestoAdministrador = 4;

// The connections as the messages see them: on the host, sockets 1..3 serve one client each; on a client,
// socket 0 is the one to the host.
class Enlaces
{
public:
    virtual ~Enlaces() = default;
    virtual bool Abierto(int socket) const = 0;
    virtual Entero Puesto(int socket) const = 0; // the seat a host's socket serves, host's numbering; 0 none
    virtual void Enviar(int socket, const std::string& mensaje) = 0;
};

// What an arrival leaves for the program to do once the arrival has been handled (never inside it: a new
// match or a window must not run within a socket's event).
struct Avisos
{
    bool NuevaPartida = false; // the host started a new game
    bool Chat = false;         // a chat line was stored
    bool Recibido = false;     // something was queued, kept or applied: waits look again

    Avisos& operator|=(const Avisos& otros)
    {
        NuevaPartida |= otros.NuevaPartida;
        Chat |= otros.Chat;
        Recibido |= otros.Recibido;
        return *this;
    }
};

// What each end does with what it receives, by the phase it is in: "take" is handled at once or queued for
// the wait that takes it, "hold" is kept unread until the phase ends, "drop" is forgotten.
//
//   Client                      seat 03, verdict 02   chat 20   new game 08            match: state 11, deal
//                                                                                      12, leader 01, five
//                                                                                      doubles 05, move 06
//   start-up, match in play     take                  take      take: drops what came   take
//                                                               for a match; a match
//                                                               in play is left at
//                                                               once, the start-up
//                                                               ends first
//   new game announced, not     take                  take      take: drops what was    hold, until the new
//   begun here                                                  held; no second match   match begins here
//
//   Host: a game code 04 is taken once a seat and a chat line 20 relayed, in every phase; five-doubles
//   answers 05 and moves 06 are queued, and then
//   until a deal is sent        dropped when the deal goes out: sent before that client could know it
//   deal sent, leader not yet   the five-doubles wait takes the answer of the seat dealt them; the rest is
//                               dropped when the leader is announced
//   leader announced            the match's waits take the move of the seat in turn
//
// Whatever its phase, the host takes nothing from a socket without a seat, nor a move or five-doubles answer
// from another seat than the one awaited; both ends drop a malformed message. While either end's start-up
// runs, a match asked of its program is kept for the start-up's end (EstadoRed::AplazarPeticion): the host
// announces no new game to the clients already seated, and a client begins none inside its waits.
class ProtocoloRed
{
public:
    ProtocoloRed(EstadoRed& red, EstadoJuego& juego, Ajustes& datos, Enlaces& enlaces);

    // Bytes that came on a socket.
    Avisos Recibir(int socket, std::string_view datos);
    // A match begins on this computer: a client now handles what the host sent for it after announcing it.
    Avisos EmpezarPartida();
    // A socket was opened or closed: what it kept of an unfinished message belonged to the old connection.
    void OlvidarTrama(int socket);

    // Host: to every open client socket; errors are ignored.
    void EnviarATodosRed(const std::string& mensaje);
    // Host: to every open client socket except the one serving `salvoPuesto` (0: none).
    void EnviarAClientes(const std::string& mensaje, Entero salvoPuesto);
    // Client: to the host.
    void EnviarAlAdministrador(const std::string& mensaje);

    // The engine's view of the queue, with what it may take now moved on to it: on the host a move only from
    // the seat in turn and a five-doubles answer only from the seat dealt them; what else a client sent is
    // dropped.
    std::string& ColaDelMotor();
    // The oldest deal received and not yet taken.
    std::optional<std::string> TomarReparto();

private:
    bool EsAdministrador() const;
    Avisos Atender(int socket, MensajeRed m);
    Avisos AtenderEnAdministrador(int socket, MensajeRed m);
    Avisos AtenderEnCliente(MensajeRed m);
    bool RepartoValido(const std::string& cadena) const;

    EstadoRed& red_;
    EstadoJuego& juego_;
    Ajustes& datos_;
    Enlaces& enlaces_;
    std::array<TramaRed, 4> tramas_;
    bool tramasDeAdministrador_ = false;
};

} // namespace zp
