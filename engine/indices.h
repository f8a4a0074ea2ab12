#pragma once
// Reaching into the state's arrays: the position of a seat, slot, number or move counter, which the state
// keeps signed, and the slots a hand really uses. For sources only: a name as short as `I` is not handed to
// every file that includes a header.
#include <algorithm>
#include <cassert>
#include <cstddef>

#include "engine/estado.h"

namespace zp {

inline std::size_t I(int v)
{
    assert(v >= 0);
    return static_cast<std::size_t>(v);
}

// A computed value back into the state's 16-bit width (the callers' values fit it).
inline Entero E(int v)
{
    return static_cast<Entero>(v);
}

// The slots of seat p's hand, within 0..kHuecos whatever a damaged file held.
inline int HuecosDe(const EstadoJuego& e, int p)
{
    return std::clamp<int>(e.HuecosMano[I(p)], 0, kHuecos);
}

} // namespace zp
