#include "engine/ajustes.h"

namespace zp {

namespace {

template <class Accion> void CadaCampo(Accion accion)
{
    for (const DefinicionAjuste* d : kTablaAjustes) {
        if (!d->PorAsiento) {
            accion(*d, 0);
            continue;
        }
        for (int p = 1; p <= kAsientos; ++p) accion(*d, p);
    }
}

} // namespace

Ajustes::Ajustes()
{
    CadaCampo([this](const DefinicionAjuste& d, int p) {
        d.Poner(*this, p, d.PorDefecto[static_cast<std::size_t>(p)]);
    });
    for (int p = 1; p <= kAsientos; ++p)
        Jugador[static_cast<std::size_t>(p)].NombreJugador = "Jugador" + std::to_string(p);
}

void AplicarSustitutos(Ajustes& a)
{
    CadaCampo([&a](const DefinicionAjuste& d, int p) {
        if (d.Sustituto && !d.Valido(d.Leer(a, p))) d.Poner(a, p, *d.Sustituto);
    });
}

} // namespace zp
