#pragma once
// Network play by a script: what was sent is kept, what arrives is given. For tools and tests.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/red.h"

namespace zp {

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

    void EnviarATodosRed(const std::string& m) override { Enviados.push_back({Envio::A::Todos, m, 0}); }
    void EnviarAClientes(const std::string& m, Entero salvo) override
    {
        Enviados.push_back({Envio::A::Clientes, m, salvo});
    }
    void EnviarAlAdministrador(const std::string& m) override
    {
        Enviados.push_back({Envio::A::Administrador, m});
    }
    Espera EsperarRed(const std::function<bool()>& llegado) override
    {
        while (!llegado()) {
            if (Llegadas.empty()) return Espera::Abandonada;
            auto siguiente = std::move(Llegadas.front());
            Llegadas.pop_front();
            siguiente();
        }
        return Espera::Cumplida;
    }
    std::string& ColaRed() override { return Cola; }
    std::optional<std::string> TomarReparto() override
    {
        if (Repartos.empty()) return std::nullopt;
        std::string r = std::move(Repartos.front());
        Repartos.pop_front();
        return r;
    }

    void EmpezarPartida() override {}

    std::vector<Envio> Enviados;
    std::deque<std::function<void()>> Llegadas;
    std::string Cola;
    std::deque<std::string> Repartos;
};

} // namespace zp
