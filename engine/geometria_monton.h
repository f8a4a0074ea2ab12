#pragma once
// Where the stock lies on the table and where each of its face-down tiles goes. The engine needs the place of
// the top tile for a draw's move record (the draw animation starts there); the table draws the rest.
#include <array>
#include <optional>
#include <vector>

#include "engine/ajustes.h"
#include "engine/pantalla.h"

namespace zp {

constexpr Entero kLargoFichaMonton = 42;
constexpr Entero kHuecoEntreFichasMonton = 10;
constexpr Entero kFondoMonton = 50;

// Lie of a stock tile, as the tile frame drawing takes it.
constexpr Entero kMontonTumbada = 1; // 42x21, along the top or bottom edge
constexpr Entero kMontonDePie = 2;   // 20x42, along the left or right edge

// The side (1 left, 2 top, 3 right, 4 bottom) of the first seat out of play in the order 3, 1, 2; the
// bottom when all play.
Entero ElegirLadoMonton(const Ajustes& ajustes);

// The stock's rectangle and rows. Its size follows the tiles the deal leaves in the stock, not the tiles
// still there, so it keeps its size as tiles are drawn.
struct ZonaMonton
{
    Entero ZonaX = 0, ZonaY = 0, ZonaAncho = 0, ZonaAlto = 0;
    std::array<Entero, 3> FilasMonton{}; // (0) tiles in the first row, (1) in the second
    bool operator==(const ZonaMonton&) const = default;
};

ZonaMonton CalcularDisposicionMonton(Entero fichasPorJugador, Entero numeroJugadores, Entero ladoMonton,
                                     const Pantalla& pantalla);

struct PlazaFichaMonton
{
    Entero PosX = 0;
    Entero PosY = 0;
    Entero GiroFicha = 0; // kMontonTumbada or kMontonDePie
    bool operator==(const PlazaFichaMonton&) const = default;
};

// Places of the `fichasMonton` tiles in drawing order: pair by pair from the stock's first end; on sides 3
// and 4 the first of each pair is the one nearer the table's edge. Tile k is stock slot k + 1.
std::vector<PlazaFichaMonton> CalcularPlazasMonton(const ZonaMonton& zona, Entero ladoMonton,
                                                   Entero fichasMonton);

// The place of the tile the next draw takes (the last one drawn: `XFichaRobada`, `YFichaRobada`); nothing
// when the stock is empty.
std::optional<PlazaFichaMonton> CalcularFichaRobada(const ZonaMonton& zona, Entero ladoMonton,
                                                    Entero fichasMonton);

// Sets `XFichaRobada`, `YFichaRobada` as the stock drawing leaves them, for a draw's move record. With an
// empty stock nothing changes.
void SituarFichaRobada(EstadoJuego& estado, const Ajustes& ajustes, Entero ladoMonton,
                       const Pantalla& pantalla);

} // namespace zp
