#pragma once
// The screen the table is laid out for, in logical pixels. The table fills the screen but for the button
// bar, 90 px wide, at its right edge.
#include "engine/estado.h"

namespace zp {

struct Pantalla
{
    Entero AnchoPantalla = 800;
    Entero AltoPantalla = 600;
    Entero AnchoMesa = 710; // width of the table area
    Entero CentroX = 355;
    Entero CentroY = 300;
    bool operator==(const Pantalla&) const = default;
};

constexpr Entero kAnchoBotonera = 90;

// The measures for a screen of the given size; a smaller one is taken as 800 x 600.
Pantalla MedirPantalla(int ancho, int alto);

} // namespace zp
