#pragma once
// What network play keeps while it is on: the receive queue, the deals received and not yet taken, the chat
// lines, and on the host the answers of the start-up handshake. The game itself stays in the game state.
#include "engine/estado.h"
#include "engine/partida.h"
#include "network/core/cola_red.h"
#include "network/core/mensajes.h"

#include <array>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zp {

struct EstadoRed
{
    ColaRed Cola;
    // The entries handed on to the engine, each its kind and payload; the engine takes them off the head.
    std::string ColaMotor;
    // The payloads of the deal messages not yet taken, oldest first: a hand dealt again before the first
    // deal was taken must not replace it, or the client would take the decision of one with the other.
    std::deque<std::string> CadenaSituacionRed;
    // Client: the host started a new game that has not begun here yet. Until it does, what the host sends
    // for a match waits in `Retenidos`, unread, so that the match being left takes nothing of the new one
    // (what each phase takes, holds and drops: network/core/protocolo.h).
    bool NuevaPartidaPendiente = false;
    std::deque<MensajeRed> Retenidos;

    // The chat records received or sent, from index 1; an all-blank record is free.
    std::vector<std::string> MensajesChat = std::vector<std::string>(51);

    // Host, during the handshake: its own game code, whether every client answered the same, and which
    // seats answered.
    std::string CodigoPartida = "9999999999";
    bool PartidaRecuperable = true;
    std::array<bool, 4> Respondio{};

    // The start-up: true on the host until every remote seat is connected, on a client until the host's
    // verdict came. While `Arrancando`, the host seats the callers it expects; later ones are turned away.
    bool EsperandoConexiones = false;
    bool Arrancando = false;
    bool ClienteConectado = false; // client: the host gave it a seat
    // Host: a report of a caller turned away or of a seat lost is on screen; the seats whose loss waits to
    // be asked about, each once however often its caller came and left meanwhile.
    bool AvisoVisible = false;
    std::array<bool, 4> PerdidaPorAvisar{};
    // Host: a caller turned away waits to be reported; those turned away before it is shown add nothing.
    bool RechazoPorAvisar = false;
    std::set<int> ErroresMostrados; // socket errors already reported since network play started
    // What was asked of the program while the start-up ran (`AplazarPeticion`): done once it has returned,
    // so that no match and no window runs inside the start-up's waits.
    std::optional<Peticion> PeticionAplazada;
    bool PersonalAplazado = false;

    int Descartados = 0; // messages dropped as malformed or not for us

    Entero ClientesRespondidos() const;
    // A match asked for while the start-up runs (a new one, the unfinished one, or none), whoever asks: the
    // bar, a request queued for the program, a connection. It is neither begun nor announced to anyone now,
    // but kept, the last one asked, for the start-up's end, which leads to one match on every computer.
    // True when it was kept; false when no start-up runs, and the match may be asked of the program.
    bool AplazarPeticion(Peticion peticion);
    // The player settings asked for while the start-up runs, opened by the same rule at its end.
    bool AplazarPersonal();
    // Everything received and not yet taken is forgotten (network play starts or ends).
    void VaciarRecibidos();
    // What was received for a match and not yet taken, held or not, is forgotten (a new game comes); the
    // start-up's own messages stay.
    void OlvidarPartida();
};

// The kinds sent for a match (its state, deals, leader, five-doubles answers, moves), as against the
// start-up's seat and verdict, chat lines and the new-game announcement.
bool DePartida(int codigo);

// Stores one chat record in the first free element; the history grows by 50 when its last one fills.
void AnadirMensajeChat(EstadoRed& red, std::string mensaje);

// How many chat records are stored.
std::size_t ContarMensajesChat(const EstadoRed& red);

} // namespace zp
