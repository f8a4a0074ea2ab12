#pragma once
// What the automatic player reads of the table before it judges a move: for one number, how many tiles
// carrying it are laid and who still holds them; the pips left in every hand; who holds a given tile; and
// the roles of the seats round the mover. Everything here is computed from the state and returned: nothing
// is written back, so a rule never reads a value left over by another. A choice reads the slots once, for
// every number and every tile, and then asks as many questions as its candidates need.
#include <array>

#include "engine/ajustes.h"
#include "engine/ficha.h"

namespace zp {

struct AnalisisNumero
{
    Entero PuestasConNumero = 0;             // laid tiles carrying n
    std::array<Entero, 7> VistoConNumero{};  // x: the laid tile n-x exists (n: the double is laid)
    Entero EsDoble = 0;                      // 1 when the double n-n is laid
    std::array<Entero, 5> FichasConNumero{}; // per seat, tiles carrying n not laid
    Entero PoseedorDobleNumero = 0;          // seat holding n-n, 0 when nobody holds it
    Entero BandoDobleNumero = 0;             // 1 the mover's side, 2 the others, 0 nobody
    std::array<float, 5> PuntosEnMano{};     // per seat, pips of all its held tiles
    std::array<float, 3> PuntosEnBando{};    // 1 the mover and his partner, 2 the others
};

// Side of seat p seen from the mover: 1 the mover and his partner, 2 anyone else (seat 0 included).
Entero BandoDe(Entero mover, Entero p);

// Every hand's slots read once: per number what AnalisisNumero says of it whoever moves, and per tile the
// seat whose slots hold it.
struct MesaLeida
{
    std::array<Entero, 7> Puestas{};                  // laid tiles carrying n
    std::array<std::array<Entero, 7>, 7> Vistas{};    // [n][x]: the laid tile n-x exists
    std::array<Entero, 7> DobleVisto{};               // 1 when n-n is laid
    std::array<std::array<Entero, 5>, 7> NoPuestas{}; // [n][seat]: tiles carrying n not laid
    std::array<Entero, 7> PoseedorDoble{};            // seat holding n-n not laid, 0 nobody
    std::array<float, 5> PuntosEnMano{};              // per seat, pips of all its held tiles
    std::array<Entero, 28> Asiento{}; // per tile (IndiceFicha): the last seat whose slots hold it
    std::array<bool, 28> Puesta{};    // and whether that slot's tile is laid
};
MesaLeida LeerMesa(const EstadoJuego& e);

// For n 0..6.
AnalisisNumero AnalizarFichasNumero(const MesaLeida& m, Entero mover, Entero n);
AnalisisNumero AnalizarFichasNumero(const EstadoJuego& e, Entero mover, Entero n);

// The seat whose slots hold the tile a-b either way round, laid or held (the last match wins), 0 when no
// hand holds it; and whether that slot's tile is laid.
struct PoseedorFicha
{
    Entero Asiento = 0;
    bool Puesta = false;
};
PoseedorFicha BuscarPoseedor(const EstadoJuego& e, Entero a, Entero b);
// The same, for a and b 0..6.
PoseedorFicha BuscarPoseedor(const MesaLeida& m, Entero a, Entero b);

// The one tile still held by seat p, when it holds exactly one.
struct FichaSuelta
{
    bool Hay = false;
    Entero PuntoA = kNinguna;
    Entero PuntoB = kNinguna;
};
FichaSuelta UnicaFichaDe(const EstadoJuego& e, Entero p);

// The seats round the mover for one choice. Pairs: Propio1 is the member of the mover's pair with fewer
// tiles (the mover on equal counts), Rival1 normally the next seat. Individual: OrdenRivales ranks the
// opponents by tiles held, fewest first, equal counts in their order of play; ranks past the last opponent
// are 0.
struct RolesAsientos
{
    Entero Siguiente = 0;
    Entero Propio1 = 0, Propio2 = 0, Rival1 = 0, Rival2 = 0;
    std::array<Entero, 4> OrdenRivales{};
};
RolesAsientos CalcularRoles(const EstadoJuego& e, const Ajustes& a, Entero mover, Entero nivel);

} // namespace zp
