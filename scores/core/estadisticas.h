#pragma once
// The statistics of the hand in progress, worked out afresh from its move list and the hands: what each
// player laid, the numbers each one cut, showed or could not answer, what the table has seen of each
// number, the state of every tile, and the tiles still out that fit the open ends.
#include "engine/ajustes.h"
#include "engine/estado.h"

#include <array>
#include <vector>

namespace zp {

// A tile as the sheet stands it upright: one number above, the other below.
struct FichaVista
{
    Entero Arriba = 0;
    Entero Abajo = 0;
    bool Marcada = false; // held by the player in turn ("Fichas que casan" only)
    bool operator==(const FichaVista&) const = default;
};

// One seat in play: its laid tiles in the order of the moves, and per number 0..6 how many times it joined
// a tile at it ("Palos cortados"), left it open ("Palos de cara"), and whether it drew or passed while it was
// open ("Ha pasado", 0 or 1).
struct FilaEstadisticas
{
    Entero Asiento = 0;
    std::vector<FichaVista> Fichas;
    std::array<Entero, 7> PalosCortados{};
    std::array<Entero, 7> PalosDeCara{};
    std::array<Entero, 7> HaPasado{};
};

struct EstadisticasMano
{
    // The seats in play in turn order from the leader.
    std::vector<FilaEstadisticas> Filas;
    std::array<Entero, 7> PalosPuestos{}; // laid tiles carrying each number, a double once
    Entero FichasPuestas = 0;
    Entero PuntosPuestos = 0;
    // Puesta[a][b], b <= a: the tile a-b has been laid.
    std::array<std::array<bool, 7>, 7> Puesta{};
    // One list per distinct open number: the tiles (open number, k) not laid yet, k = 0..6.
    std::vector<std::vector<FichaVista>> FichasQueCasan;

    // Tiles in the longest row of laid tiles.
    int FichasFilaMasLarga() const;
};

inline constexpr Entero kPuntosJuego = 168; // pips of the whole double-six set
inline constexpr Entero kFichasPorNumero = 7;

EstadisticasMano CalcularEstadisticas(const EstadoJuego& e, const Ajustes& a);

} // namespace zp
