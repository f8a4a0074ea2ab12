#include "network/core/mensajes.h"

#include "engine/mensajes_red.h"

#include <array>

namespace zp {

namespace {

struct Clase
{
    int Codigo;
    std::size_t Largo;
    bool AlAdministrador; // the host receives it
    bool AlCliente;       // a client receives it
    // Each payload character's allowed range, when the payload is digits; empty: any bytes.
    std::string_view Desde, Hasta;
};

constexpr std::array<Clase, 10> kClases{{
    {codigo_red::Salida, 1, false, true, "1", "4"},
    {codigo_red::TipoPartida, 1, false, true, "1", "2"},
    {codigo_red::Puesto, 1, false, true, "0", "3"},
    {codigo_red::CodigoPartida, 10, true, false, "0000000000", "9999999999"},
    {codigo_red::CincoDobles, 1, true, true, "0", "1"},
    {codigo_red::Jugada, 5, true, true, "00001", "99662"},
    {codigo_red::NuevaPartida, 0, false, true, "", ""},
    {codigo_red::Estado, kLargoCadenaSituacion, false, true, "", ""},
    {codigo_red::Reparto, kLargoCadenaSituacion, false, true, "", ""},
    {codigo_red::Chat, kLargoChat, true, true, "", ""},
}};

const Clase* Buscar(int codigo)
{
    for (const Clase& c : kClases)
        if (c.Codigo == codigo) return &c;
    return nullptr;
}

} // namespace

std::optional<std::size_t> LargoCuerpo(int codigo, bool administrador)
{
    const Clase* c = Buscar(codigo);
    if (!c || !(administrador ? c->AlAdministrador : c->AlCliente)) return std::nullopt;
    return c->Largo;
}

std::string CrearMensaje(int codigo, std::string_view cuerpo)
{
    std::string m(kPrefijoRed);
    m += static_cast<char>('0' + codigo / 10 % 10);
    m += static_cast<char>('0' + codigo % 10);
    m += cuerpo;
    return m;
}

bool CamposValidos(const MensajeRed& m)
{
    const Clase* c = Buscar(m.Codigo);
    if (!c || m.Cuerpo.size() != c->Largo) return false;
    for (std::size_t i = 0; i < c->Desde.size(); ++i)
        if (m.Cuerpo[i] < c->Desde[i] || m.Cuerpo[i] > c->Hasta[i]) return false;
    return true;
}

} // namespace zp
