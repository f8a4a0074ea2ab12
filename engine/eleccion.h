#pragma once
// The automatic player's move choice for the seat in turn: the lead on an empty line, else the tiles that
// fit an open end scored by level and character, and near the end of a hand at high levels the exhaustive
// search of the rest of the hand, whose verdict may replace the scored move. The same choice counts the
// playable tiles for the match loop, plays for the computer and gives the person a hint at the top level.
#include <array>
#include <functional>

#include "engine/contexto.h"
#include "engine/final_mano.h"
#include "engine/reglas_puntuacion.h"

namespace zp {

constexpr int kMaximoCandidatas = 42; // 21 slots, each tile at most twice

// The tiles that fit, in the order the search numbers its roots: slot order, the first pip joined before the
// second, a double once. Entry 0 carries nothing.
struct ListaCandidatas
{
    // One entry to spare: the listing writes every way a tile could go and keeps those that fit.
    std::array<Candidata, kMaximoCandidatas + 2> Candidatas{};
    int Cantidad = 0;
};
ListaCandidatas ListarCandidatas(const EstadoJuego& e, Entero mover);

// The slot of the mover's hand that opens a hand when he leads it freely.
Entero ElegirFichaSalida(const EstadoJuego& e, const Ajustes& a, Entero mover);

// Tiles in hand at or below which the search runs: 3 at level 100, 2 at 80..99, none below.
int ProfundidadBusqueda(Entero nivel);

// The search's verdict on the scored choice `elegida` (1..candidatas): the candidate to play instead, or
// `elegida` itself. The search changes the choice only at levels 96 and above.
int RevisarConFinalDeMano(const ResultadoFinalMano& r, int candidatas, int elegida, Entero nivel,
                          Caracter caracter, Entero fichasEnMano, bool parejas);

// The search as the chooser calls it: true with the results written, false when it refused (the scored
// choice then stands). Tests pass their own.
using ExploradorFinal = std::function<bool(const EstadoJuego&, const Ajustes&, ResultadoFinalMano&)>;
bool ExplorarConPresupuesto(const EstadoJuego& e, const Ajustes& a, ResultadoFinalMano& r);

// Chooses the move of JugadorTurno. Leaves the tile in FichaA (the pip joined) and FichaB, the end in
// ExtremoElegido (9 = pass, the tile then untouched), JugadasPosibles (0 nothing fits, 1..42 candidates, 99 a
// free lead, 1 the match's prescribed opening tile) and EleccionTurno. With ModoAyuda it chooses as level 100
// and the seat's own level is left as it was. Only a plain run (no SoloContar, ModoAyuda or JugadaElegida)
// marks the mover's tiles on the table.
void ElegirJugada(Contexto& c);
void ElegirJugada(Contexto& c, const ExploradorFinal& explorar);

} // namespace zp
