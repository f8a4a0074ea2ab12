#pragma once
// A tile of the double-six set as one number 0..27, the same either way round, and a set of tiles as a
// bitmask of those numbers: for the automatic player's reading of the table and the endgame search.
#include <array>
#include <cstdint>

namespace zp {

using MascaraFichas = std::uint32_t; // bit t: tile t of the set, numbered by IndiceFicha

// n is a pip of the set, 0..6.
constexpr bool EsPunto(int n)
{
    return n >= 0 && n <= 6;
}

constexpr int IndiceFicha(int a, int b)
{
    const int alto = a > b ? a : b;
    const int bajo = a > b ? b : a;
    return alto * (alto + 1) / 2 + bajo;
}

constexpr MascaraFichas BitFicha(int a, int b)
{
    return MascaraFichas{1} << IndiceFicha(a, b);
}

namespace detalle {
constexpr std::array<MascaraFichas, 7> CrearConPunto()
{
    std::array<MascaraFichas, 7> m{};
    for (int n = 0; n <= 6; ++n)
        for (int x = 0; x <= 6; ++x) m[static_cast<std::size_t>(n)] |= BitFicha(n, x);
    return m;
}
inline constexpr std::array<MascaraFichas, 7> kConPunto = CrearConPunto();
} // namespace detalle

// The tiles carrying pip n; none for a value that is no pip.
constexpr MascaraFichas ConPunto(int n)
{
    return EsPunto(n) ? detalle::kConPunto[static_cast<std::size_t>(n)] : 0;
}

} // namespace zp
