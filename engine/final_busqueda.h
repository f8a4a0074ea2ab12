#pragma once
// The core of the endgame search: hands as tile bitmasks, one play made and unmade in place, and every
// position already counted remembered, so that the walk allocates nothing and calls nothing virtual. Tiles
// never change hands, so the set of tiles still held, the two ends and the seat to move name a position
// completely.
#include <array>
#include <cstdint>

#include "engine/ajustes.h"
#include "engine/ficha.h"
#include "engine/final_memoria.h"

namespace zp {

// What stays fixed through one search: the rules that score an outcome and the seats in play.
struct ReglasBusqueda
{
    bool Parejas = true;
    Empate GanadorSiEmpate = Empate::SeRepite; // a replayed tie is not counted
    int JugadorSalida = 1;
    bool SoloPerdedores = false;    // pairs: only the losing pair's pips are scored
    bool PorUnidades = false;       // else by tens
    int Propio = 1;                 // result code of the mover's side
    std::array<int, 5> Siguiente{}; // next seat in play after each seat in play
    std::array<bool, 5> EnJuego{};
};

class BusquedaFinal
{
public:
    // Sets up a search: the hands by seat and the two open ends. Positions remembered from earlier searches
    // are forgotten.
    void Preparar(const ReglasBusqueda& reglas, const std::array<MascaraFichas, 5>& manos, int extremo1,
                  int extremo2, std::uint64_t presupuesto);

    // Counts every continuation after seat m lays tile a-b joined by pip x to the end showing it (end 1 when
    // both do). False when the budget ran out; v is then meaningless.
    bool JugarRaiz(int m, int x, int y, ValorFinal& v);

    std::uint64_t Visitadas() const { return visitadas_; }

private:
    void Jugar(int m, MascaraFichas todas, std::size_t extremos, std::size_t t, ValorFinal& v);
    void Expandir(int m, MascaraFichas todas, std::size_t extremos, std::uint64_t clave, ValorFinal& v);
    void Desenlace(int w, bool cerrada, ValorFinal& v) const;

    ReglasBusqueda reglas_;
    std::array<MascaraFichas, 5> mano_{};
    MascaraFichas todas_ = 0;
    int extremo1_ = 0;
    int extremo2_ = 0;
    std::uint64_t presupuesto_ = 0;
    std::uint64_t visitadas_ = 0;
    bool agotado_ = false;
    MemoriaFinal memoria_;
};

} // namespace zp
