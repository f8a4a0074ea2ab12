#include "engine/final_busqueda.h"

#include "engine/cierre.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace zp {

namespace {

// The two open ends of the line as one number, 8 x end 1 + end 2.
using Extremos = std::size_t;

constexpr Extremos ParDeExtremos(int e1, int e2)
{
    return static_cast<Extremos>(e1 * 8 + e2);
}

// What a pair of ends decides, grouped so that a search touches one or two cache lines per pair it meets.
// For each child position: the tiles that fit either end and the ends' part of the position's key, in
// order, since swapping them changes no count.
struct AlEncajar
{
    MascaraFichas Encajan = 0;
    std::uint64_t ClaveExtremos = 0;
};
// For a position's plays: a mask where play 2t lays tile t joined by its first pip and play 2t + 1 by its
// second (never for a double), and the ends after each play.
struct alignas(64) AlJugar
{
    std::array<std::uint8_t, 56> Tras{};
    std::uint64_t Jugadas = 0;
};

struct TablasFichas
{
    std::array<int, 28> PuntoA{};
    std::array<int, 28> PuntoB{};
    // The pips of the tiles of each 7-bit quarter of a mask.
    std::array<std::array<std::uint8_t, 128>, 4> Puntos{};
    std::array<AlEncajar, 64> Encajar{};
    std::array<AlJugar, 64> Jugar{};
};

constexpr TablasFichas CrearTablas()
{
    TablasFichas t;
    for (int a = 0; a <= 6; ++a) {
        for (int b = 0; b <= a; ++b) {
            const auto i = static_cast<std::size_t>(IndiceFicha(a, b));
            t.PuntoA[i] = a;
            t.PuntoB[i] = b;
        }
    }
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t m = 0; m < 128; ++m)
            for (std::size_t i = 0; i < 7; ++i)
                if (m >> i & 1)
                    t.Puntos[c][m] =
                        static_cast<std::uint8_t>(t.Puntos[c][m] + t.PuntoA[7 * c + i] + t.PuntoB[7 * c + i]);
    for (int e1 = 0; e1 <= 6; ++e1) {
        for (int e2 = 0; e2 <= 6; ++e2) {
            const Extremos ee = ParDeExtremos(e1, e2);
            t.Encajar[ee].Encajan = ConPunto(e1) | ConPunto(e2);
            t.Encajar[ee].ClaveExtremos =
                std::uint64_t(e1 < e2 ? e1 : e2) << 28 | std::uint64_t(e1 < e2 ? e2 : e1) << 31;
            AlJugar& j = t.Jugar[ee];
            for (std::size_t i = 0; i < 28; ++i) {
                const int a = t.PuntoA[i], b = t.PuntoB[i];
                const auto tras = [&](int x, int y) {
                    return static_cast<std::uint8_t>(x == e1 ? ParDeExtremos(y, e2) : ParDeExtremos(e1, y));
                };
                if (a == e1 || a == e2) j.Jugadas |= std::uint64_t{1} << (2 * i);
                if (a != b && (b == e1 || b == e2)) j.Jugadas |= std::uint64_t{1} << (2 * i + 1);
                j.Tras[2 * i] = tras(a, b);
                j.Tras[2 * i + 1] = tras(b, a);
            }
        }
    }
    return t;
}

constexpr TablasFichas kTablas = CrearTablas();

// A hand's tiles as plays: tile t becomes plays 2t and 2t + 1. Bits spread by shifts, without a table.
inline std::uint64_t Doblar(MascaraFichas m)
{
    std::uint64_t x = m;
    x = (x | x << 16) & 0x0000FFFF0000FFFFull;
    x = (x | x << 8) & 0x00FF00FF00FF00FFull;
    x = (x | x << 4) & 0x0F0F0F0F0F0F0F0Full;
    x = (x | x << 2) & 0x3333333333333333ull;
    x = (x | x << 1) & 0x5555555555555555ull;
    return x * 3;
}

inline int PuntosDe(MascaraFichas m)
{
    return kTablas.Puntos[0][m & 127] + kTablas.Puntos[1][m >> 7 & 127] + kTablas.Puntos[2][m >> 14 & 127] +
           kTablas.Puntos[3][m >> 21 & 127];
}

} // namespace

// The search's functions are marked hot, which lays them side by side: the first search of a process fetches
// its code in one run.
[[gnu::hot]] void BusquedaFinal::Preparar(const ReglasBusqueda& reglas,
                                          const std::array<MascaraFichas, 5>& manos, int extremo1,
                                          int extremo2, std::uint64_t presupuesto)
{
    reglas_ = reglas;
    mano_ = manos;
    todas_ = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        assert((todas_ & manos[p]) == 0 && "a tile held by two seats");
        assert(reglas.EnJuego[p] || manos[p] == 0);
        assert(!reglas.EnJuego[p] || reglas.EnJuego[static_cast<std::size_t>(reglas.Siguiente[p])]);
        todas_ |= manos[p];
    }
    extremo1_ = extremo1;
    extremo2_ = extremo2;
    presupuesto_ = presupuesto;
    visitadas_ = 0;
    agotado_ = false;
    memoria_.Nueva();
}

[[gnu::hot]] bool BusquedaFinal::JugarRaiz(int m, int x, int y, ValorFinal& v)
{
    assert(x == extremo1_ || x == extremo2_);
    const auto t = static_cast<std::size_t>(IndiceFicha(x, y));
    assert(mano_[static_cast<std::size_t>(m)] & (MascaraFichas{1} << t));
    v = {};
    const Extremos ee = ParDeExtremos(extremo1_, extremo2_);
    Jugar(m, todas_, kTablas.Jugar[ee].Tras[2 * t + (x == kTablas.PuntoA[t] ? 0 : 1)], t, v);
    return !agotado_;
}

// Seat m lays tile t, which leaves the ends ee. todas: the tiles held before. The outcomes below are added
// to v. The mover's hand is made and unmade in place, the rest of the position passed down. Inlined into the
// loop over a position's plays, so that a position found in memory costs no call.
[[gnu::always_inline]] inline void BusquedaFinal::Jugar(int m, MascaraFichas todas, std::size_t ee,
                                                        std::size_t t, ValorFinal& v)
{
    const auto sm = static_cast<std::size_t>(m);
    const MascaraFichas bit = MascaraFichas{1} << t;
    const MascaraFichas mano = mano_[sm];
    mano_[sm] = mano ^ bit;
    todas ^= bit;

    const AlEncajar& al = kTablas.Encajar[ee];
    const MascaraFichas encajan = al.Encajan;
    if (mano == bit) {
        Desenlace(m, false, v); // a domino is never a blocked hand
    } else if ((todas & encajan) == 0) {
        Desenlace(m, true, v); // nobody holds a tile for either end
    } else {
        // Seats that can lay nothing pass. Some seat can, since the line is not blocked: with tiles held
        // twice it might be none, and the round then ends with nothing counted rather than never.
        int s = reglas_.Siguiente[sm];
        int pases = 0;
        while ((mano_[static_cast<std::size_t>(s)] & encajan) == 0 && ++pases < 4)
            s = reglas_.Siguiente[static_cast<std::size_t>(s)];
        assert(pases < 4 && "nobody holds the tiles that fit");
        // A position counted before adds what it counted then.
        const std::uint64_t clave = std::uint64_t{todas} | al.ClaveExtremos | std::uint64_t(s - 1) << 34;
        if (pases < 4 && !memoria_.Sumar(clave, v)) Expandir(s, todas, ee, clave, v);
    }
    mano_[sm] = mano;
}

// A position not in memory, seat m to move and able to: every continuation counted, remembered and added
// to v.
[[gnu::noinline, gnu::hot]] void BusquedaFinal::Expandir(int m, MascaraFichas todas, std::size_t ee,
                                                         std::uint64_t clave, ValorFinal& v)
{
    // 1. Past the budget the search unwinds with nothing.
    if (visitadas_ >= presupuesto_) {
        agotado_ = true;
        return;
    }
    ++visitadas_;

    // 2. Every tile that fits, each way round that fits, in tile order and by the first pip first; a double
    //    once. The last tile dominoes the same way at either end, so it is laid once. The plays are one
    //    mask, so that which way a tile goes costs no branch.
    const MascaraFichas mano = mano_[static_cast<std::size_t>(m)];
    const AlJugar& al = kTablas.Jugar[ee];
    std::uint64_t jugadas = Doblar(mano) & al.Jugadas;
    if ((mano & (mano - 1)) == 0) jugadas &= ~((jugadas & 0x5555555555555555ull) << 1);
    ValorFinal w;
    for (; jugadas != 0; jugadas &= jugadas - 1) {
        const auto k = static_cast<std::size_t>(std::countr_zero(jugadas));
        Jugar(m, todas, al.Tras[k], k / 2, w);
    }

    // 3. Remembered for the positions that reach it again. Past the budget nothing is: once it runs out
    //    every position below unwinds at once.
    if (agotado_) return;
    memoria_.Guardar(clave, w);
    v += w;
}

// The end of the hand reached when seat w laid a tile, added to v.
[[gnu::hot]] void BusquedaFinal::Desenlace(int w, bool cerrada, ValorFinal& v) const
{
    const ReglasBusqueda& r = reglas_;
    std::array<int, 5> pips{};
    for (std::size_t p = 1; p <= 4; ++p) pips[p] = PuntosDe(mano_[p]);
    int codigo = r.Parejas ? (w == 2 || w == 4 ? 1 : 2) : w;
    if (cerrada) {
        const GanadorCierre g = DecidirCierre(r.Parejas, pips, r.EnJuego);
        codigo = g.Empate ? GanadorEmpate(r.GanadorSiEmpate, r.Parejas, r.JugadorSalida) : g.Ganador;
        if (codigo == 0) return; // the hand is played again: no outcome
    }

    const int puntos = PuntosMano(r.Parejas, r.SoloPerdedores, codigo, pips);
    if (codigo >= 1 && codigo <= 4 && r.EnJuego[static_cast<std::size_t>(codigo)]) ++v.Total;
    if (codigo == r.Propio) {
        ++v.Ganadas;
        v.Suma += static_cast<std::uint64_t>(r.PorUnidades ? puntos : DecenasDe(puntos));
    }
}

} // namespace zp
