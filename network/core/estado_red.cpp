#include "network/core/estado_red.h"

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

bool EstadoRed::AplazarPeticion(Peticion peticion)
{
    if (!Arrancando) return false;
    PeticionAplazada = peticion;
    return true;
}

bool EstadoRed::AplazarPersonal()
{
    if (!Arrancando) return false;
    PersonalAplazado = true;
    return true;
}

void EstadoRed::VaciarRecibidos()
{
    Cola.Vaciar();
    OlvidarPartida();
    NuevaPartidaPendiente = false;
}

void EstadoRed::OlvidarPartida()
{
    Cola.Extraer([](const EntradaCola& x) { return DePartida(x.Codigo); });
    ColaMotor.clear();
    CadenaSituacionRed.clear();
    Retenidos.clear();
}

bool DePartida(int codigo)
{
    switch (codigo) {
    case codigo_red::Salida:
    case codigo_red::CincoDobles:
    case codigo_red::Jugada:
    case codigo_red::Estado:
    case codigo_red::Reparto:
        return true;
    default:
        return false;
    }
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

std::size_t ContarMensajesChat(const EstadoRed& red)
{
    return static_cast<std::size_t>(std::count_if(red.MensajesChat.begin(), red.MensajesChat.end(),
                                                  [](const std::string& m) { return !EnBlanco(m); }));
}

} // namespace zp
