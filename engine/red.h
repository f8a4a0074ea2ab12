#pragma once
// Network play as the engine sees it: sends, what arrived for the engine, and a wait that ends when a
// condition on what arrived holds. The sockets and the queue behind them are network play's own.
#include <functional>
#include <optional>
#include <string>

#include "engine/estado.h"
#include "engine/respuesta.h"

namespace zp {

class Red
{
public:
    virtual ~Red() = default;
    // Host: to every connected client.
    virtual void EnviarATodosRed(const std::string& mensaje) = 0;
    // Host: to every connected client except the one that serves that seat (host's numbering; 0 = none).
    virtual void EnviarAClientes(const std::string& mensaje, Entero salvoPuesto) = 0;
    // Client: to the host.
    virtual void EnviarAlAdministrador(const std::string& mensaje) = 0;
    // Yields to events until `llegado` holds; it is asked again after every event and may take messages
    // from the queue. Ends early when the match is abandoned.
    virtual Espera EsperarRed(const std::function<bool()>& llegado) = 0;
    // The leader, five-doubles and move messages received, each its two-digit kind and its payload, oldest
    // first; the engine takes off the head what it reads.
    virtual std::string& ColaRed() = 0;
    // The next deal received (the host's situation string), taken off; nothing when none is waiting.
    virtual std::optional<std::string> TomarReparto() = 0;
    // A match begins here. A client whose host announced a new match takes what came for it from now on:
    // the match it left could not.
    virtual void EmpezarPartida() = 0;
};

} // namespace zp
