#include "engine/pantalla.h"

#include <algorithm>

#include "engine/redondeo.h"

namespace zp {

Pantalla MedirPantalla(int ancho, int alto)
{
    Pantalla p;
    p.AnchoPantalla = static_cast<Entero>(std::clamp(ancho, 800, 32000));
    p.AltoPantalla = static_cast<Entero>(std::clamp(alto, 600, 32000));
    p.AnchoMesa = static_cast<Entero>(p.AnchoPantalla - kAnchoBotonera);
    p.CentroX = RedondearAPar(p.AnchoMesa / 2.0);
    p.CentroY = RedondearAPar(p.AltoPantalla / 2.0);
    return p;
}

} // namespace zp
