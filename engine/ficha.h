#pragma once
// A tile of the double-six set as one number 0..27, the same either way round, and a set of tiles as a
// bitmask of those numbers: for the automatic player's reading of the table and the endgame search.
#include <cstdint>

namespace zp {

using MascaraFichas = std::uint32_t; // bit t: tile t of the set, numbered by IndiceFicha

constexpr int IndiceFicha(int a, int b)
{
    const int alto = a > b ? a : b;
    const int bajo = a > b ? b : a;
    return alto * (alto + 1) / 2 + bajo;
}

} // namespace zp
