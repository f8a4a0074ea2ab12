#pragma once
// The core of the endgame search: hands as tile bitmasks, one play made and unmade in place, and every
// position already counted remembered in a fixed table, so that the walk allocates nothing and calls nothing
// virtual. Tiles never change hands, so the set of tiles still held, the two ends and the seat to move name a
// position completely.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/ajustes.h"

namespace zp {

using MascaraFichas = std::uint32_t; // bit t: tile t of the set, numbered by IndiceFicha

constexpr int IndiceFicha(int a, int b)
{
    const int alto = a > b ? a : b;
    const int bajo = a > b ? b : a;
    return alto * (alto + 1) / 2 + bajo;
}

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

// Outcomes below a position, seen from the mover's side at the call.
struct ValorFinal
{
    std::uint64_t Total = 0;   // outcomes counted (a tie under "se repite" counts nowhere)
    std::uint64_t Ganadas = 0; // those the mover's side wins
    std::uint64_t Suma = 0;    // their scored values added up
    ValorFinal& operator+=(const ValorFinal& o)
    {
        Total += o.Total;
        Ganadas += o.Ganadas;
        Suma += o.Suma;
        return *this;
    }
};

class BusquedaFinal
{
public:
    // The memory holds 2^bitsTabla positions; it is allocated here once and reused by every search.
    explicit BusquedaFinal(int bitsTabla = 18);

    // Sets up a search: the hands by seat and the two open ends. Positions remembered from earlier searches
    // are forgotten.
    void Preparar(const ReglasBusqueda& reglas, const std::array<MascaraFichas, 5>& manos, int extremo1,
                  int extremo2, std::uint64_t presupuesto);

    // Counts every continuation after seat m lays tile a-b joined by pip x to the end showing it (end 1 when
    // both do). False when the budget ran out; v is then meaningless.
    bool JugarRaiz(int m, int x, int y, ValorFinal& v);

    std::uint64_t Visitadas() const { return visitadas_; }

private:
    struct Entrada
    {
        std::uint64_t Clave = 0; // generation and position; 0 = empty
        ValorFinal Valor;
    };

    ValorFinal Nodo(int m);
    ValorFinal Jugar(int m, int t, int x, int y);
    ValorFinal Desenlace(int w, bool cerrada) const;
    const Entrada* Buscar(std::uint64_t clave) const;
    void Guardar(std::uint64_t clave, const ValorFinal& v);

    ReglasBusqueda reglas_;
    std::array<MascaraFichas, 5> mano_{};
    std::array<int, 5> puntos_{};
    MascaraFichas todas_ = 0;
    int extremo1_ = 0;
    int extremo2_ = 0;
    std::uint64_t presupuesto_ = 0;
    std::uint64_t visitadas_ = 0;
    bool agotado_ = false;

    std::vector<Entrada> tabla_;
    int bitsTabla_;
    std::uint64_t generacion_ = 0;
};

} // namespace zp
