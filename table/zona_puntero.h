#pragma once
// What the pointer is over on the table: the hand and slot under a point, the cell of the manual deal's
// grid, and the zone (with its cursor) that decides what a press there does.
#include "engine/ajustes.h"

#include <cstdint>

namespace zp {

// Zones of the pointer, each with its cursor.
enum ZonaPuntero : Entero
{
    kZonaNormal = 0,
    kZonaSalida = 1,    // "ManoIndice": choose the seat that leads
    kZonaJugable = 2,   // "ManoVerde": a tile that may be played, or a dealt tile that may go back
    kZonaNoJugable = 3, // "ManoRoja": a tile of the seat in turn that may not be played
    kZonaOrdenar = 4,   // "Ordenar": a tile that may be picked up
    kZonaGirar = 5,     // "Girar": a tile that may be turned
    kZonaArrastre = 6,  // "ManoCerrada": a tile is being dragged
};

// The pointer's state between the table's mouse events.
struct EntradaMesa
{
    Entero ManoApuntada = 0;           // the seat whose hand strip is under the pointer, 0 none
    Entero HuecoApuntado = 0;          // the slot under the pointer along that strip
    bool TrasUltimaFicha = false;      // past the face of the hand's last tile (its last 19 px)
    Entero FilaRejilla = 9;            // 9: in the gap below a tile
    Entero ColumnaRejilla = 9;         // 9: in the gap right of a tile
    Entero PunteroX = 0, PunteroY = 0; // at the last press
    Entero BotonPulsado = 0;           // 1 left, 2 right
    bool PulsadoEnFlecha = false;      // the last press fell on a shown end arrow
    bool SobreFlecha = false;          // the pointer is over a shown end arrow, which has its own cursor
    bool ArrastreReparto = false;
    Entero EstadoArrastrado = 0;
    Entero AnimXOrigen = 0, AnimYOrigen = 0; // the cell a grid tile was lifted from
    // The hand modes of the options pop-up, never both on. They last for the wait they were switched on in:
    // the move, the end of the hand, a deal or a new match switches them off.
    bool OrdenarFichas = false;
    bool GirarFichas = false;
    std::uint32_t PartidaModo = 0;
    Entero ManoModo = 0, JugadaModo = 0, TurnoModo = 0;
    // The seat clicked while the leader is chosen, taken at the press.
    Entero SalidaElegida = 0;
};

// The hand strip and slot under (x, y) into `ManoApuntada` and `HuecoApuntado`, and `TrasUltimaFicha`.
// Loose: anywhere along the strip gives the slot at or before the point; exact: only a tile's face.
// Over no strip `HuecoApuntado` keeps its value; a seat out of play gives `ManoApuntada` 0.
// Slot `hueco` of seat `mano` is one of the hand's slots.
bool HuecoValido(const EstadoJuego& e, Entero mano, Entero hueco);

void HallaManoYFicha(EstadoJuego& e, const Ajustes& a, EntradaMesa& en, Entero x, Entero y, bool exacto);

// The cell of the manual deal's grid under (x, y), unchecked against the grid's size.
void HallaFilyCol(const EstadoJuego& e, EntradaMesa& en, Entero x, Entero y);

// The zone for the pointer at (x, y) as the game stands, hit-testing as the zone needs; `arrastreOrden`
// tells that a hand tile is being dragged.
Entero CalcularZonaPuntero(EstadoJuego& e, const Ajustes& a, EntradaMesa& en, bool arrastreOrden, Entero x,
                           Entero y);

// Switches "Ordenar fichas" (or else "Girar fichas") on or off; switched on, the other goes off.
void CambiarModoMano(const EstadoJuego& e, EntradaMesa& en, bool ordenar);

// Switches the hand modes off once the wait they were switched on in is over.
void CaducarModosMano(const EstadoJuego& e, EntradaMesa& en);

// The cursor name of a zone; empty for the default pointer.
const char* CursorDeZona(Entero zona);

} // namespace zp
