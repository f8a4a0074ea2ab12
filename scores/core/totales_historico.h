#pragma once
// The four ranked tables built from the history: matches won and points per player, matches won and points
// per pair. Each table runs from its highest count down and is filled up to whole pages of eight lines, so
// that every page belongs to one table and begins with a real line.
#include "scores/core/historico.h"

#include <optional>
#include <string>
#include <vector>

namespace zp {

enum class TablaTotales
{
    PartidasJugador = 1,
    PuntosJugador = 2,
    PartidasPareja = 3,
    PuntosPareja = 4
};

inline bool TablaDeParejas(TablaTotales t)
{
    return t == TablaTotales::PartidasPareja || t == TablaTotales::PuntosPareja;
}

// One line of a table. A pair keeps its two names in the order of the latest record that added to it.
struct LineaTotales
{
    TablaTotales Tabla = TablaTotales::PartidasJugador;
    long long Cuenta = 0;
    std::string Nombre1; // UTF-8, without surrounding spaces
    std::string Nombre2; // pairs only
    bool operator==(const LineaTotales&) const = default;
};

// Tables 1 to 4 one after the other; a filler line is empty. A table with no line takes no page. Names are
// told apart exactly (letter case counts); a pair matches its names in either order. Lines of equal count
// come in descending order of their names right-aligned in 9 characters (then of the second name).
std::vector<std::optional<LineaTotales>>
CalcularTotalesHistorico(const std::vector<RegistroHistorico>& registros);

} // namespace zp
