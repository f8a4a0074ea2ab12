#include "tests/soporte/red_nula.h"

namespace zp {

void RedNula::EnviarATodosRed(const std::string& mensaje)
{
    Enviados.push_back({Envio::A::Todos, mensaje, 0});
}

void RedNula::EnviarAClientes(const std::string& mensaje, Entero salvoPuesto)
{
    Enviados.push_back({Envio::A::Clientes, mensaje, salvoPuesto});
}

void RedNula::EnviarAlAdministrador(const std::string& mensaje)
{
    Enviados.push_back({Envio::A::Administrador, mensaje, 0});
}

std::optional<std::string> RedNula::TomarReparto()
{
    if (Repartos.empty()) return std::nullopt;
    std::string r = std::move(Repartos.front());
    Repartos.pop_front();
    return r;
}

Espera RedNula::EsperarRed(const std::function<bool()>& llegado)
{
    while (!llegado()) {
        if (Llegadas.empty()) return Espera::Abandonada;
        auto siguiente = std::move(Llegadas.front());
        Llegadas.pop_front();
        siguiente();
    }
    return Espera::Cumplida;
}

} // namespace zp
