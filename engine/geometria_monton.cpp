#include "engine/geometria_monton.h"

#include <algorithm>

#include "engine/indices.h"
#include "engine/redondeo.h"

namespace zp {

Entero ElegirLadoMonton(const Ajustes& ajustes)
{
    for (const Entero asiento : {Entero{3}, Entero{1}, Entero{2}}) {
        if (!AsientoEnJuego(ajustes, asiento)) {
            return asiento;
        }
    }
    return 4;
}

ZonaMonton CalcularDisposicionMonton(Entero fichasPorJugador, Entero numeroJugadores, Entero ladoMonton,
                                     const Pantalla& pantalla)
{
    ZonaMonton z;
    // The tiles the deal leaves, whatever has been drawn since.
    const int n = std::max(0, kFichasJuego - fichasPorJugador * numeroJugadores);
    const int fila0 = (n + 1) / 2;
    z.FilasMonton[0] = E(fila0);
    z.FilasMonton[1] = E(n - fila0);
    const int largo = fila0 * kLargoFichaMonton + (fila0 - 1) * kHuecoEntreFichasMonton;
    // An empty stock would give a length of -10: keep its rectangle empty, so that no erase reaches the hand
    // strip beside it.
    const int longitud = std::max(0, largo + 1);
    const int fondo = kFondoMonton + 1;
    // Centred along its side of the table.
    const Entero centradoEnAlto = RedondearAPar((pantalla.AltoPantalla - largo) / 2.0);
    const Entero centradoEnAncho = RedondearAPar((pantalla.AnchoMesa - largo) / 2.0);
    switch (ladoMonton) {
    case 1:
        z = {1, centradoEnAlto, E(fondo), E(longitud), z.FilasMonton};
        break;
    case 2:
        z = {centradoEnAncho, 1, E(longitud), E(fondo), z.FilasMonton};
        break;
    case 3:
        z = {E(pantalla.AnchoMesa - kFondoMonton - 3), centradoEnAlto, E(fondo), E(longitud), z.FilasMonton};
        break;
    case 4:
        z = {centradoEnAncho, E(pantalla.AltoPantalla - kFondoMonton - 2), E(longitud), E(fondo),
             z.FilasMonton};
        break;
    default:
        break; // no side: no rectangle
    }
    return z;
}

std::vector<PlazaFichaMonton> CalcularPlazasMonton(const ZonaMonton& zona, Entero ladoMonton,
                                                   Entero fichasMonton)
{
    std::vector<PlazaFichaMonton> plazas;
    if (ladoMonton < 1 || ladoMonton > 4) {
        return plazas;
    }
    const int paso = kLargoFichaMonton + kHuecoEntreFichasMonton; // 52
    const int separacion = 30;                                    // between the two tiles of a pair
    for (int r = 1; r <= zona.FilasMonton[0]; ++r) {
        for (int c = 0; c <= 1; ++c) {
            if (static_cast<int>(plazas.size()) >= fichasMonton) {
                return plazas;
            }
            const int a = (r - 1) * paso;
            PlazaFichaMonton p;
            switch (ladoMonton) {
            case 1:
                p = {E(zona.ZonaX + c * separacion), E(zona.ZonaY + a), kMontonDePie};
                break;
            case 2:
                p = {E(zona.ZonaX + a), E(zona.ZonaY + c * separacion), kMontonTumbada};
                break;
            case 3:
                p = {E(zona.ZonaX + (1 - c) * separacion), E(zona.ZonaY + a), kMontonDePie};
                break;
            default:
                p = {E(zona.ZonaX + a), E(zona.ZonaY + (1 - c) * separacion), kMontonTumbada};
                break;
            }
            plazas.push_back(p);
        }
    }
    return plazas;
}

std::optional<PlazaFichaMonton> CalcularFichaRobada(const ZonaMonton& zona, Entero ladoMonton,
                                                    Entero fichasMonton)
{
    const auto plazas = CalcularPlazasMonton(zona, ladoMonton, fichasMonton);
    if (plazas.empty()) {
        return std::nullopt;
    }
    return plazas.back();
}

void SituarFichaRobada(EstadoJuego& estado, const Ajustes& ajustes, Entero ladoMonton,
                       const Pantalla& pantalla)
{
    const ZonaMonton zona =
        CalcularDisposicionMonton(ajustes.FichasPorJugador, ajustes.NumeroJugadores, ladoMonton, pantalla);
    if (const auto plaza = CalcularFichaRobada(zona, ladoMonton, estado.FichasMonton)) {
        estado.Colocacion.XFichaRobada = plaza->PosX;
        estado.Colocacion.YFichaRobada = plaza->PosY;
    }
}

} // namespace zp
