#pragma once
// Network play as the engine sees it: sends, and a wait that ends when a condition on the receive queue
// (EstadoJuego::ColaRed, EstadoJuego::CadenaSituacionRed, filled by the socket events) holds.
#include <deque>
#include <functional>
#include <string>
#include <vector>

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
};

// Headless network: remembers what was sent, and while waiting plays the arrivals it was given, one per
// pass. With nothing more to arrive a wait could never end, so it reports the match abandoned.
class RedNula : public Red
{
public:
    struct Envio
    {
        enum class A
        {
            Todos,
            Clientes,
            Administrador
        } destino;
        std::string mensaje;
        Entero salvoPuesto = 0;
    };

    void EnviarATodosRed(const std::string& mensaje) override;
    void EnviarAClientes(const std::string& mensaje, Entero salvoPuesto) override;
    void EnviarAlAdministrador(const std::string& mensaje) override;
    Espera EsperarRed(const std::function<bool()>& llegado) override;

    std::vector<Envio> Enviados;
    std::deque<std::function<void()>> Llegadas;
};

} // namespace zp
