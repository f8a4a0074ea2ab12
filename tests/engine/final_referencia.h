#pragma once
// The plain enumerator the fast endgame search is checked against: every continuation walked one depth at a
// time, each depth holding its own copy of every hand, with no memory and no shortcut. Slow and obvious.
// Test code; a header so that the benchmark checks against the same one.
#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "engine/ajustes.h"
#include "engine/final_mano.h"
#include "engine/reglas.h"
#include "engine/turno.h"

namespace zp::prueba {

struct CuentaRaiz
{
    std::uint64_t Total = 0;
    std::uint64_t Ganadas = 0;
    std::uint64_t Suma = 0;
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

// Up to 28 tiles held at the call, so up to 29 depths.
constexpr int kProfundidades = 30;
constexpr int kEntradas = 2 * kHuecos;

struct Pila
{
    // [half 0..1][entry 1..42][seat 1..4][depth 1..29]
    std::vector<Entero> manos = std::vector<Entero>(2 * (kEntradas + 1) * 5 * kProfundidades);
    Entero& Mano(int mitad, int i, int p, int d)
    {
        return manos[static_cast<std::size_t>(((mitad * (kEntradas + 1) + i) * 5 + p) * kProfundidades + d)];
    }
    std::array<std::array<int, kProfundidades>, 3> extremos{};
    std::array<std::array<int, kProfundidades>, 5> fichas{};
    std::array<int, kProfundidades> turno{};
    std::array<int, kProfundidades> cursor{};
};

} // namespace detalle_referencia

// `Salida` starts as `previo` and is written as the search writes its results. Gives up past `maxJugadas`.
inline ResultadoReferencia ExplorarReferencia(const EstadoJuego& e, const Ajustes& a,
                                              const ResultadoFinalMano& previo,
                                              std::uint64_t maxJugadas = UINT64_MAX)
{
    ResultadoReferencia res;
    res.Salida = previo;
    const int mover = e.JugadorTurno;
    const bool parejas = EnParejas(a);
    const auto enJuego = [&](int p) { return AsientoEnJuego(a, p); };
    const auto siguiente = [&](int p) {
        Entero s = static_cast<Entero>(p);
        CalcularJugadorSiguiente(e, a, s);
        return static_cast<int>(s);
    };

    // Refusals.
    if (a.ModoJuego == Modalidad::Individual && e.FichasMonton > a.RemanentesMonton) return res;
    if (e.FichasEnMano[static_cast<std::size_t>(mover)] == 1) return res;

    // Depth 1: each held tile as two entries, (A, B) then (B, A).
    detalle_referencia::Pila pila;
    for (int p = 1; p <= 4; ++p) {
        if (!enJuego(p)) continue;
        int n = 0;
        for (int s = 1; s <= e.HuecosMano[static_cast<std::size_t>(p)]; ++s) {
            const HuecoMano& h = e.Manos[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)];
            if (h.Estado != kEnMano) continue;
            pila.Mano(0, 2 * n + 1, p, 1) = h.PuntoA;
            pila.Mano(1, 2 * n + 1, p, 1) = h.PuntoB;
            pila.Mano(0, 2 * n + 2, p, 1) = h.PuntoB;
            pila.Mano(1, 2 * n + 2, p, 1) = h.PuntoA;
            ++n;
        }
        pila.fichas[static_cast<std::size_t>(p)][1] = n;
    }
    pila.extremos[1][1] = e.Linea.Extremos[1];
    pila.extremos[2][1] = e.Linea.Extremos[2];
    pila.turno[1] = mover;
    pila.cursor.fill(1);

    std::array<std::array<std::uint64_t, 5>, detalle_referencia::kEntradas + 1> cuenta{};
    std::array<std::array<std::uint64_t, 5>, detalle_referencia::kEntradas + 1> suma{};

    const auto cerrada = [&](int d) {
        for (int p = 1; p <= 4; ++p) {
            if (!enJuego(p)) continue;
            for (int i = 1; i <= 2 * pila.fichas[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)];
                 ++i) {
                const int x = pila.Mano(0, i, p, d);
                if (x == pila.extremos[1][static_cast<std::size_t>(d)] ||
                    x == pila.extremos[2][static_cast<std::size_t>(d)])
                    return false;
            }
        }
        return true;
    };

    const auto evaluar = [&](int d, int w, bool esCerrada) {
        std::array<int, 5> puntos{};
        for (int p = 1; p <= 4; ++p) {
            if (!enJuego(p)) continue;
            for (int i = 1; i <= 2 * pila.fichas[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)];
                 i += 2)
                puntos[static_cast<std::size_t>(p)] += pila.Mano(0, i, p, d) + pila.Mano(1, i, p, d);
        }
        int codigo = parejas ? ParejaDe(w) : w;
        const int s13 = puntos[1] + puntos[3];
        const int s24 = puntos[2] + puntos[4];
        if (esCerrada) {
            bool empate = false;
            if (parejas) {
                codigo = s13 > s24 ? 1 : 2;
                empate = s13 == s24;
            } else {
                int menor = 999;
                for (int p = 1; p <= 4; ++p)
                    if (enJuego(p) && puntos[static_cast<std::size_t>(p)] < menor) {
                        menor = puntos[static_cast<std::size_t>(p)];
                        codigo = p;
                    }
                int iguales = 0;
                for (int p = 1; p <= 4; ++p)
                    iguales += enJuego(p) && puntos[static_cast<std::size_t>(p)] == menor;
                empate = iguales > 1;
            }
            if (empate) {
                const int regla = Codigo(ReglaEmpate(a));
                if (regla == 1) return;
                if (regla == 2) codigo = parejas ? ParejaDe(e.JugadorSalida) : e.JugadorSalida;
                if (regla == 3) codigo = (e.JugadorSalida == 2 || e.JugadorSalida == 4) ? 2 : 1;
            }
        }
        const int total = (parejas && a.PuntosQueSeAnotan == PuntosAnotados::DeLaPerdedora)
                              ? (codigo == 1 ? s13 : s24)
                              : s13 + s24;
        // Int((points - 1) / 10) + 1 with Int the floor: no points, no tens.
        const int valor =
            a.SistemaAnotacion == Anotacion::Unidades ? total : (total == 0 ? 0 : (total - 1) / 10 + 1);
        const auto r = static_cast<std::size_t>(pila.cursor[1]);
        cuenta[r][static_cast<std::size_t>(codigo)] += 1;
        suma[r][static_cast<std::size_t>(codigo)] += static_cast<std::uint64_t>(valor);
    };

    int d = 1;
    bool paseLibre = false;
    while (true) {
        const int m = pila.turno[static_cast<std::size_t>(d)];
        const auto ud = static_cast<std::size_t>(d);
        int i = pila.cursor[ud];
        const int fin = 2 * pila.fichas[static_cast<std::size_t>(m)][ud];
        while (i <= fin && pila.Mano(0, i, m, d) != pila.extremos[1][ud] &&
               pila.Mano(0, i, m, d) != pila.extremos[2][ud])
            ++i;
        if (i > fin) {
            if (paseLibre) {
                pila.turno[ud] = siguiente(m);
                continue;
            }
            if (d == 1) break;
            --d;
            ++pila.cursor[static_cast<std::size_t>(d)];
            paseLibre = false;
            continue;
        }
        if (++res.Jugadas > maxJugadas) return ResultadoReferencia{false, 0, previo, {}, res.Jugadas};

        // Play entry i.
        const int x = pila.Mano(0, i, m, d);
        const int y = pila.Mano(1, i, m, d);
        pila.cursor[ud] = x == y ? i + 1 : i;
        const int ne = d + 1;
        assert(ne < detalle_referencia::kProfundidades);
        const auto ue = static_cast<std::size_t>(ne);
        pila.cursor[ue] = 1;
        if (x == pila.extremos[1][ud]) {
            pila.extremos[1][ue] = y;
            pila.extremos[2][ue] = pila.extremos[2][ud];
        } else {
            pila.extremos[1][ue] = pila.extremos[1][ud];
            pila.extremos[2][ue] = y;
        }
        const int gemela = i % 2 == 1 ? i + 1 : i - 1;
        for (int p = 1; p <= 4; ++p) {
            if (!enJuego(p)) continue;
            const auto up = static_cast<std::size_t>(p);
            pila.fichas[up][ue] = pila.fichas[up][ud] - (p == m ? 1 : 0);
            int k = 0;
            for (int j = 1; j <= 2 * pila.fichas[up][ud]; ++j) {
                if (p == m && (j == i || j == gemela)) continue;
                ++k;
                pila.Mano(0, k, p, ne) = pila.Mano(0, j, p, d);
                pila.Mano(1, k, p, ne) = pila.Mano(1, j, p, d);
            }
        }
        const bool domino = pila.fichas[static_cast<std::size_t>(m)][ue] == 0;
        const bool esCerrada = !domino && cerrada(ne);
        if (domino || esCerrada) {
            evaluar(ne, m, esCerrada);
            if (esCerrada) {
                ++pila.cursor[ud];
                paseLibre = false;
            } else {
                assert(d > 1);
                --d;
                ++pila.cursor[static_cast<std::size_t>(d)];
                paseLibre = false;
            }
            continue;
        }
        pila.turno[ue] = siguiente(m);
        paseLibre = true;
        d = ne;
    }

    // Summary per root, in entry order; a double's totals lie under its second entry.
    const int propio = parejas ? ParejaDe(mover) : mover;
    int k = 0;
    for (int r = 1; r <= 2 * pila.fichas[static_cast<std::size_t>(mover)][1]; ++r) {
        const int x = pila.Mano(0, r, mover, 1);
        if (x != pila.extremos[1][1] && x != pila.extremos[2][1]) continue;
        if (x == pila.Mano(1, r, mover, 1)) ++r;
        const auto ur = static_cast<std::size_t>(r);
        CuentaRaiz c;
        for (int codigo = 1; codigo <= 4; ++codigo)
            if (enJuego(codigo)) c.Total += cuenta[ur][static_cast<std::size_t>(codigo)];
        c.Ganadas = cuenta[ur][static_cast<std::size_t>(propio)];
        c.Suma = suma[ur][static_cast<std::size_t>(propio)];
        ++k;
        const auto uk = static_cast<std::size_t>(k);
        res.Cuentas[uk] = c;
        res.Salida.PorcentajeGanadas[uk] =
            c.Total == 0
                ? 0.0f
                : static_cast<float>(static_cast<double>(c.Ganadas) * 100.0 / static_cast<double>(c.Total));
        res.Salida.MediaPuntosGanados[uk] =
            c.Ganadas == 0 ? 0.0f
                           : static_cast<float>(static_cast<double>(c.Suma) / static_cast<double>(c.Ganadas));
    }
    res.Raices = k;
    res.Calculado = true;
    return res;
}

} // namespace zp::prueba
