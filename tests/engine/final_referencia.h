#pragma once
// The plain enumerator the fast endgame search is checked against: every continuation walked by plain
// recursion, each step with its own copy of every hand, with no memory and no shortcut. Slow and obvious.
// Test code; a header so that the benchmark checks against the same one.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/ajustes.h"
#include "engine/final_mano.h"
#include "engine/reglas.h"
#include "engine/turno.h"

namespace zp::prueba {

struct CuentaRaiz
{
    std::uint64_t Total = 0, Ganadas = 0, Suma = 0;
};

struct ResultadoReferencia
{
    bool Calculado = false;
    int Raices = 0;
    ResultadoFinalMano Salida;
    std::array<CuentaRaiz, kRaicesFinal + 1> Cuentas{};
    std::uint64_t Jugadas = 0; // tiles laid in all continuations
};

namespace detalle_referencia {

using Manos = std::array<std::vector<std::pair<int, int>>, 5>; // the tiles each seat holds, in slot order

struct Recorrido
{
    const EstadoJuego& e;
    const Ajustes& a;
    std::uint64_t maxJugadas, jugadas = 0;
    std::array<std::uint64_t, 5> cuenta{}, suma{}; // outcomes of the root walked, by the winner's code

    bool Abierta(const Manos& m, int x1, int x2) const
    {
        for (int p = 1; p <= 4; ++p)
            for (const auto& [u, v] : m[static_cast<std::size_t>(p)])
                if (AsientoEnJuego(a, p) && (u == x1 || u == x2 || v == x1 || v == x2)) return true;
        return false;
    }

    void Anotar(const Manos& m, int w, bool cerrada)
    {
        const bool parejas = EnParejas(a);
        std::array<int, 5> pips{};
        for (std::size_t p = 1; p <= 4; ++p)
            for (const auto& [u, v] : m[p]) pips[p] += u + v;
        const int s13 = pips[1] + pips[3], s24 = pips[2] + pips[4];
        int codigo = parejas ? ParejaDe(w) : w;
        if (cerrada) {
            bool empate = parejas && s13 == s24;
            if (parejas) {
                codigo = s13 > s24 ? 1 : 2;
            } else {
                int menor = 999, iguales = 0;
                for (int p = 1; p <= 4; ++p)
                    if (AsientoEnJuego(a, p) && pips[static_cast<std::size_t>(p)] < menor) {
                        menor = pips[static_cast<std::size_t>(p)];
                        codigo = p;
                    }
                for (int p = 1; p <= 4; ++p)
                    iguales += AsientoEnJuego(a, p) && pips[static_cast<std::size_t>(p)] == menor;
                empate = iguales > 1;
            }
            const int regla = Codigo(ReglaEmpate(a));
            if (empate && regla == 1) return;
            if (empate && regla == 2) codigo = parejas ? ParejaDe(e.JugadorSalida) : e.JugadorSalida;
            if (empate && regla == 3) codigo = (e.JugadorSalida == 2 || e.JugadorSalida == 4) ? 2 : 1;
        }
        const bool perdedora = parejas && a.PuntosQueSeAnotan == PuntosAnotados::DeLaPerdedora;
        const int total = perdedora ? (codigo == 1 ? s13 : s24) : s13 + s24;
        // Int((points - 1) / 10) + 1 with Int the floor: no points, no tens.
        const int valor =
            a.SistemaAnotacion == Anotacion::Unidades ? total : (total == 0 ? 0 : (total - 1) / 10 + 1);
        cuenta[static_cast<std::size_t>(codigo)] += 1;
        suma[static_cast<std::size_t>(codigo)] += static_cast<std::uint64_t>(valor);
    }

    // Each tile as (A, B) then (B, A), a double once: the entry `t` of seat m joined by its first pip at the
    // end showing it (end 1 first). Gives the next ends, or nothing when it does not fit.
    static bool Entrada(const Manos& m, std::size_t p, std::size_t t, int x1, int x2, int& n1, int& n2)
    {
        auto [u, v] = m[p][t / 2];
        if (t % 2 == 1 && u == v) return false;
        if (t % 2 == 1) std::swap(u, v);
        if (u != x1 && u != x2) return false;
        n1 = u == x1 ? v : x1;
        n2 = u == x1 ? x2 : v;
        return true;
    }

    // Plays entry t of seat p and everything after it; false once past the budget. `domino` tells the
    // caller that the seat's last tile went down: its twin entry is not tried.
    bool Jugar(const Manos& m, std::size_t p, std::size_t t, int n1, int n2, bool& domino)
    {
        if (++jugadas > maxJugadas) return false;
        Manos siguientes = m;
        siguientes[p].erase(siguientes[p].begin() + static_cast<std::ptrdiff_t>(t / 2));
        domino = siguientes[p].empty();
        if (domino || !Abierta(siguientes, n1, n2)) {
            Anotar(siguientes, static_cast<int>(p), !domino);
            return true;
        }
        Entero q = static_cast<Entero>(p);
        CalcularJugadorSiguiente(e, a, q);
        return Seguir(siguientes, n1, n2, static_cast<std::size_t>(q));
    }

    // Seat p to move: every entry that fits, or a pass when none does.
    bool Seguir(const Manos& m, int x1, int x2, std::size_t p)
    {
        bool jugo = false, domino = false;
        for (std::size_t t = 0; t < 2 * m[p].size() && !domino; ++t) {
            int n1 = 0, n2 = 0;
            if (!Entrada(m, p, t, x1, x2, n1, n2)) continue;
            jugo = true;
            if (!Jugar(m, p, t, n1, n2, domino)) return false;
        }
        if (jugo) return true;
        Entero q = static_cast<Entero>(p);
        CalcularJugadorSiguiente(e, a, q);
        return Seguir(m, x1, x2, static_cast<std::size_t>(q));
    }
};

} // namespace detalle_referencia

// `Salida` starts as `previo` and is written as the search writes its results. Gives up past `maxJugadas`.
inline ResultadoReferencia ExplorarReferencia(const EstadoJuego& e, const Ajustes& a,
                                              const ResultadoFinalMano& previo,
                                              std::uint64_t maxJugadas = UINT64_MAX)
{
    ResultadoReferencia res;
    res.Salida = previo;
    const auto mover = static_cast<std::size_t>(e.JugadorTurno);
    if (a.ModoJuego == Modalidad::Individual && e.FichasMonton > a.RemanentesMonton) return res;
    if (e.FichasEnMano[mover] == 1) return res;

    detalle_referencia::Manos manos;
    for (std::size_t p = 1; p <= 4; ++p)
        for (std::size_t s = 1; AsientoEnJuego(a, p) && s <= static_cast<std::size_t>(e.HuecosMano[p]); ++s)
            if (e.Manos[p][s].Estado == kEnMano)
                manos[p].push_back({e.Manos[p][s].PuntoA, e.Manos[p][s].PuntoB});
    detalle_referencia::Recorrido rec{e, a, maxJugadas};
    const int x1 = e.Linea.Extremos[1], x2 = e.Linea.Extremos[2];
    const auto propio = static_cast<std::size_t>(EnParejas(a) ? ParejaDe(e.JugadorTurno) : e.JugadorTurno);
    for (std::size_t t = 0; t < 2 * manos[mover].size(); ++t) {
        int n1 = 0, n2 = 0;
        bool domino = false;
        if (!detalle_referencia::Recorrido::Entrada(manos, mover, t, x1, x2, n1, n2)) continue;
        rec.cuenta = rec.suma = {};
        if (!rec.Jugar(manos, mover, t, n1, n2, domino))
            return ResultadoReferencia{false, 0, previo, {}, rec.jugadas};
        CuentaRaiz c;
        for (std::size_t codigo = 1; codigo <= 4; ++codigo)
            if (AsientoEnJuego(a, codigo)) c.Total += rec.cuenta[codigo];
        c.Ganadas = rec.cuenta[propio];
        c.Suma = rec.suma[propio];
        const auto k = static_cast<std::size_t>(++res.Raices);
        res.Cuentas[k] = c;
        res.Salida.PorcentajeGanadas[k] =
            c.Total == 0
                ? 0.0f
                : static_cast<float>(static_cast<double>(c.Ganadas) * 100.0 / static_cast<double>(c.Total));
        res.Salida.MediaPuntosGanados[k] =
            c.Ganadas == 0 ? 0.0f
                           : static_cast<float>(static_cast<double>(c.Suma) / static_cast<double>(c.Ganadas));
    }
    res.Jugadas = rec.jugadas;
    res.Calculado = true;
    return res;
}

} // namespace zp::prueba
