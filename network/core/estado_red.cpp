#include "network/core/estado_red.h"

#include "engine/mensajes_red.h"

#include <algorithm>

namespace zp {

namespace {

bool EnBlanco(const std::string& s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

} // namespace

Entero EstadoRed::ClientesRespondidos() const
{
    return static_cast<Entero>(std::count(Respondio.begin() + 1, Respondio.end(), true));
}

void EstadoRed::VaciarRecibidos()
{
    Cola.Vaciar();
    Repartos.clear();
}

void AnadirMensajeChat(EstadoRed& red, std::string mensaje)
{
    auto& m = red.MensajesChat;
    std::size_t i = 1;
    while (i < m.size() && !EnBlanco(m[i])) ++i;
    if (i >= m.size()) m.resize(i + 1);
    m[i] = std::move(mensaje);
    if (i == m.size() - 1) m.resize(m.size() + 50);
}

std::optional<std::string> TomarReparto(EstadoRed& red, Entero numeroMano)
{
    while (!red.Repartos.empty()) {
        std::string r = std::move(red.Repartos.front());
        red.Repartos.pop_front();
        const auto mano = LeerManoDeReparto(r);
        if (mano && *mano >= numeroMano) return r;
    }
    return std::nullopt;
}

} // namespace zp
