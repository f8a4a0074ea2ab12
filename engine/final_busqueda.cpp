#include "engine/final_busqueda.h"

#include "engine/cierre.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace zp {

namespace {

struct TablasFichas
{
    std::array<int, 28> PuntoA{};
    std::array<int, 28> PuntoB{};
    std::array<MascaraFichas, 10> ConPunto{}; // tiles carrying a pip; 7..9 (no tile) carry none
};

constexpr TablasFichas CrearTablas()
{
    TablasFichas t;
    for (int a = 0; a <= 6; ++a) {
        for (int b = 0; b <= a; ++b) {
            const int i = IndiceFicha(a, b);
            t.PuntoA[static_cast<std::size_t>(i)] = a;
            t.PuntoB[static_cast<std::size_t>(i)] = b;
            t.ConPunto[static_cast<std::size_t>(a)] |= MascaraFichas{1} << i;
            t.ConPunto[static_cast<std::size_t>(b)] |= MascaraFichas{1} << i;
        }
    }
    return t;
}

constexpr TablasFichas kTablas = CrearTablas();

constexpr int kBitsGeneracion = 28;
constexpr int kDesplazamientoGeneracion = 36; // 28 tile bits, two ends of 3 bits, the seat in 2

inline MascaraFichas ConPunto(int p)
{
    return kTablas.ConPunto[static_cast<std::size_t>(p)];
}

} // namespace

BusquedaFinal::BusquedaFinal(int bitsTabla) : tabla_(std::size_t{1} << bitsTabla), bitsTabla_(bitsTabla)
{
    assert(bitsTabla >= 4 && bitsTabla <= 28);
}

void BusquedaFinal::Preparar(const ReglasBusqueda& reglas, const std::array<MascaraFichas, 5>& manos,
                             int extremo1, int extremo2, std::uint64_t presupuesto)
{
    reglas_ = reglas;
    mano_ = manos;
    todas_ = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        assert((todas_ & manos[p]) == 0 && "a tile held by two seats");
        assert(reglas.EnJuego[p] || manos[p] == 0);
        assert(!reglas.EnJuego[p] || reglas.EnJuego[static_cast<std::size_t>(reglas.Siguiente[p])]);
        todas_ |= manos[p];
        puntos_[p] = 0;
        for (MascaraFichas m = manos[p]; m != 0; m &= m - 1) {
            const auto t = static_cast<std::size_t>(std::countr_zero(m));
            puntos_[p] += kTablas.PuntoA[t] + kTablas.PuntoB[t];
        }
    }
    extremo1_ = extremo1;
    extremo2_ = extremo2;
    presupuesto_ = presupuesto;
    visitadas_ = 0;
    agotado_ = false;

    // A new generation forgets the last search without clearing the table; clear it only when they run out.
    if (++generacion_ >= (std::uint64_t{1} << kBitsGeneracion)) {
        std::fill(tabla_.begin(), tabla_.end(), Entrada{});
        generacion_ = 1;
    }
}

bool BusquedaFinal::JugarRaiz(int m, int x, int y, ValorFinal& v)
{
    assert(x == extremo1_ || x == extremo2_);
    const int t = IndiceFicha(x, y);
    assert(mano_[static_cast<std::size_t>(m)] & (MascaraFichas{1} << t));
    v = Jugar(m, t, x, y);
    return !agotado_;
}

// Seat m lays tile t joined by pip x; y stays open. Made and unmade in place.
ValorFinal BusquedaFinal::Jugar(int m, int t, int x, int y)
{
    const auto sm = static_cast<std::size_t>(m);
    const MascaraFichas bit = MascaraFichas{1} << t;
    const int antes1 = extremo1_;
    const int antes2 = extremo2_;
    mano_[sm] ^= bit;
    todas_ ^= bit;
    puntos_[sm] -= x + y;
    if (x == extremo1_)
        extremo1_ = y;
    else
        extremo2_ = y;

    ValorFinal v;
    if (mano_[sm] == 0)
        v = Desenlace(m, false); // a domino is never a blocked hand
    else if ((todas_ & (ConPunto(extremo1_) | ConPunto(extremo2_))) == 0)
        v = Desenlace(m, true); // nobody holds a tile for either end
    else
        v = Nodo(reglas_.Siguiente[sm]);

    extremo1_ = antes1;
    extremo2_ = antes2;
    mano_[sm] ^= bit;
    todas_ ^= bit;
    puntos_[sm] += x + y;
    return v;
}

// A position reached by a play, seat m next. The line is not blocked, so some seat can lay a tile.
ValorFinal BusquedaFinal::Nodo(int m)
{
    // 1. Seats that can lay nothing pass. Some seat can, since the line is not blocked: with tiles held
    //    twice it might be none, and the round then ends with nothing counted rather than never.
    const MascaraFichas encajan = ConPunto(extremo1_) | ConPunto(extremo2_);
    for (int pases = 0; (mano_[static_cast<std::size_t>(m)] & encajan) == 0; ++pases) {
        if (pases == 4) {
            assert(false && "nobody holds the tiles that fit");
            return {};
        }
        m = reglas_.Siguiente[static_cast<std::size_t>(m)];
    }
    const MascaraFichas mano = mano_[static_cast<std::size_t>(m)];

    // 2. A position counted before. Swapping the two ends changes no count, so the key takes them in order.
    const int bajo = extremo1_ < extremo2_ ? extremo1_ : extremo2_;
    const int alto = extremo1_ < extremo2_ ? extremo2_ : extremo1_;
    const std::uint64_t clave = (generacion_ << kDesplazamientoGeneracion) | std::uint64_t{todas_} |
                                (std::uint64_t(bajo) << 28) | (std::uint64_t(alto) << 31) |
                                (std::uint64_t(m - 1) << 34);
    if (const Entrada* e = Buscar(clave)) return e->Valor;

    // 3. Past the budget the search unwinds with nothing.
    if (visitadas_ >= presupuesto_) {
        agotado_ = true;
        return {};
    }
    ++visitadas_;

    // 4. Every tile that fits, each way round that fits; a double once. The last tile dominoes the same way
    //    at either end, so it is laid once.
    const bool ultima = (mano & (mano - 1)) == 0;
    ValorFinal v;
    for (MascaraFichas jugables = mano & encajan; jugables != 0; jugables &= jugables - 1) {
        const int t = std::countr_zero(jugables);
        const int a = kTablas.PuntoA[static_cast<std::size_t>(t)];
        const int b = kTablas.PuntoB[static_cast<std::size_t>(t)];
        bool jugada = false;
        if (a == extremo1_ || a == extremo2_) {
            v += Jugar(m, t, a, b);
            jugada = true;
        }
        if (a != b && (b == extremo1_ || b == extremo2_) && !(ultima && jugada)) v += Jugar(m, t, b, a);
        if (agotado_) return {};
    }

    Guardar(clave, v);
    return v;
}

ValorFinal BusquedaFinal::Desenlace(int w, bool cerrada) const
{
    const ReglasBusqueda& r = reglas_;
    int codigo = r.Parejas ? (w == 2 || w == 4 ? 1 : 2) : w;
    if (cerrada) {
        const GanadorCierre g = DecidirCierre(r.Parejas, puntos_, r.EnJuego);
        codigo = g.Empate ? GanadorEmpate(r.GanadorSiEmpate, r.Parejas, r.JugadorSalida) : g.Ganador;
        if (codigo == 0) return {}; // the hand is played again: no outcome
    }

    const int puntos = PuntosMano(r.Parejas, r.SoloPerdedores, codigo, puntos_);
    const int valor = r.PorUnidades ? puntos : DecenasDe(puntos);
    ValorFinal v;
    if (codigo >= 1 && codigo <= 4 && r.EnJuego[static_cast<std::size_t>(codigo)]) v.Total = 1;
    if (codigo == r.Propio) {
        v.Ganadas = 1;
        v.Suma = static_cast<std::uint64_t>(valor);
    }
    return v;
}

// Two entries to a bucket, side by side in one cache line.
const BusquedaFinal::Entrada* BusquedaFinal::Buscar(std::uint64_t clave) const
{
    const std::uint64_t contenido = clave & ((std::uint64_t{1} << kDesplazamientoGeneracion) - 1);
    const std::size_t i =
        static_cast<std::size_t>((contenido * 0x9E3779B97F4A7C15ull) >> (64 - bitsTabla_)) & ~std::size_t{1};
    if (tabla_[i].Clave == clave) return &tabla_[i];
    if (tabla_[i + 1].Clave == clave) return &tabla_[i + 1];
    return nullptr;
}

void BusquedaFinal::Guardar(std::uint64_t clave, const ValorFinal& v)
{
    const std::uint64_t contenido = clave & ((std::uint64_t{1} << kDesplazamientoGeneracion) - 1);
    const std::size_t i =
        static_cast<std::size_t>((contenido * 0x9E3779B97F4A7C15ull) >> (64 - bitsTabla_)) & ~std::size_t{1};
    // Keep the larger subtree: it is the dearer one to count again. A stale entry always gives way.
    const auto vieja = [this](const Entrada& e) {
        return (e.Clave >> kDesplazamientoGeneracion) != generacion_;
    };
    Entrada* destino = &tabla_[i];
    if (!vieja(tabla_[i]) && (vieja(tabla_[i + 1]) || tabla_[i + 1].Valor.Total <= tabla_[i].Valor.Total))
        destino = &tabla_[i + 1];
    destino->Clave = clave;
    destino->Valor = v;
}

} // namespace zp
