#pragma once
// Where each tile of the line goes. The line starts near the table's centre and each of its two ends winds
// clockwise round the table, turning when its anchor passes the limit of its direction. A tile's place is
// computed once, when it is laid, and kept in its move record: the drawing, the recorder and the stored games
// read the record and never compute it again.
//
// Anchor of an end: growing left or right, its Y is the top row of the band of lying tiles and its X the
// last column of the end tile on the side of growth; growing up or down, its X is the left column of the band
// of upright tiles and its Y the last row of the end tile on the side of growth.
#include <array>
#include <vector>

#include "engine/estado.h"
#include "engine/pantalla.h"

namespace zp {

// Directions of growth; a turn steps 1 -> 2 -> 3 -> 4 -> 1 (clockwise).
constexpr Entero kHaciaIzquierda = 1;
constexpr Entero kHaciaArriba = 2;
constexpr Entero kHaciaDerecha = 3;
constexpr Entero kHaciaAbajo = 4;

constexpr Entero kLargoFichaLinea = 77;
constexpr Entero kAnchoFichaLinea = 40;

// Tile picture columns in the tile sprite sheet; each half of the table has its own pictures.
constexpr Entero kSpriteDePieIzquierda = 310;
constexpr Entero kSpriteDePieDerecha = 352;
constexpr Entero kSpriteTumbadaIzquierda = 395;
constexpr Entero kSpriteTumbadaDerecha = 474;

// `LadoMesa`: 1 right half of the table (at or right of `CentroX`), 2 left half.
constexpr Entero kLadoDerecho = 1;
constexpr Entero kLadoIzquierdo = 2;

// Sets the directions, start anchors and turn limits of both ends for a hand led by `jugadorSalida`.
// Leaves the ends' pips and tile counts alone.
void PrepararInicioLinea(ExtremosLinea& linea, Entero jugadorSalida, const Pantalla& pantalla);

// Anchor of the end being played, moved by the turn and past the new tile.
struct AnclaLinea
{
    Entero PosX = 0;
    Entero PosY = 0;
    Entero Direccion = kHaciaDerecha;
    bool DobleAtravesado = false; // the tile to lay is a double that will lie across the line
    bool operator==(const AnclaLinea&) const = default;
};

// The tile being laid: its rectangle, picture, the places of its two halves and the anchor past it.
struct FichaLinea
{
    Entero XFicha = 0, YFicha = 0, AnchoFicha = 0, AltoFicha = 0, LadoMesa = 0, XSpriteFicha = 0;
    Entero XMitad1 = 0, YMitad1 = 0; // the half showing the pip joined to the end
    Entero XMitad2 = 0, YMitad2 = 0; // the half showing the pip left open
    Entero GiroFicha = 0;            // 0 lying, 1 upright
    bool DobleAtravesado = false;
    Entero PosX = 0, PosY = 0; // the end's new anchor
    bool operator==(const FichaLinea&) const = default;
};

// Has the anchor passed the turn limit of its direction? Exactly on the limit it has not.
bool PasaLimiteGiro(Entero direccion, Entero limite, Entero posX, Entero posY);

// Turns the end round the corner: moves the anchor, may clear `DobleAtravesado`, steps the direction.
// `anteriorAtravesado`: the end's last earlier tile is a double lying across (false when the end has none).
AnclaLinea DoblarLinea(const AnclaLinea& ancla, Entero limite, bool anteriorAtravesado);

// The tile laid from the anchor. `ladoAnterior` is the `LadoMesa` of the end's last earlier tile, 0 when the
// end has none; it decides the 2-px shift where a horizontal run crosses the table's centre.
FichaLinea CalcularRectanguloFichaLinea(const AnclaLinea& ancla, Entero ladoAnterior, Entero centroX);

// Number of the latest earlier record laid at `extremo`, 0 when none (records 1..numeroJugada-1).
Entero BuscarJugadaAnteriorExtremo(const std::vector<RegistroJugada>& jugadas, Entero numeroJugada,
                                   Entero extremo);

// The same procedures on the shared state, for a move that follows the steps literally: they read
// `ExtremoElegido`, the anchor in `Colocacion.PosX/PosY`, `Colocacion.DobleAtravesado` and the end's
// direction and limits, and write what the turn and the placement write (`Colocacion`, the end's direction).
// `jugadaAnteriorExtremo` is the end's latest earlier record number, 0 when none.
void DoblarLinea(EstadoJuego& estado, Entero jugadaAnteriorExtremo);
void CalcularRectanguloFichaLinea(EstadoJuego& estado, Entero jugadaAnteriorExtremo, Entero centroX);

// The clickable arrow of an end: its top left (32x32) and which arrow picture it shows (1 pointing right,
// 2 down, 3 left, 4 up: always back at the end tile).
struct MarcaExtremo
{
    Entero X = 0;
    Entero Y = 0;
    Entero Flecha = 0;
    bool operator==(const MarcaExtremo&) const = default;
};

// The arrows of ends 1 and 2 (index 0 unused), where the next tile of each end goes.
std::array<MarcaExtremo, 3> CalcularMarcasExtremos(const ExtremosLinea& linea);

} // namespace zp
