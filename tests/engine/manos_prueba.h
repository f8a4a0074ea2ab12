#pragma once
// A hand set up by a test: the tiles of one seat, in slot order, all held.
#include <utility>
#include <vector>

#include "engine/estado.h"

namespace zp::prueba {

using Fichas = std::vector<std::pair<Entero, Entero>>;

inline void Dar(EstadoJuego& e, std::size_t p, const Fichas& fichas)
{
    e.HuecosMano[p] = static_cast<Entero>(fichas.size());
    e.FichasEnMano[p] = static_cast<Entero>(fichas.size());
    for (std::size_t s = 0; s < fichas.size(); ++s)
        e.Manos[p][s + 1] = HuecoMano{fichas[s].first, fichas[s].second, kEnMano};
}

} // namespace zp::prueba
