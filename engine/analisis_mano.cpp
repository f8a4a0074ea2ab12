#include "engine/analisis_mano.h"

#include <algorithm>
#include <cassert>

#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/turno.h"

namespace zp {

Entero BandoDe(Entero mover, Entero p)
{
    // Without a branch: the scoring asks it of every seat for every number it analyses.
    const int companero = mover >= 1 && mover <= 4 ? Companero[I(mover)] : -1;
    return static_cast<Entero>(2 - ((p == mover) | (p == companero)));
}

MesaLeida LeerMesa(const EstadoJuego& e)
{
    MesaLeida m;
    for (int p = 1; p <= kAsientos; ++p) {
        int pips = 0;
        for (int s = 1; s <= HuecosDe(e, p); ++s) {
            const HuecoMano& h = e.Manos[I(p)][I(s)];
            const Entero a = h.PuntoA, b = h.PuntoB;
            pips += (a + b) * (h.Estado == kEnMano);
            // Only an empty slot lacks pips: every tile dealt has two, which the state files check.
            if (a < 0 || a > 6 || b < 0 || b > 6) {
                assert(h.Estado == kVacio);
                continue;
            }
            // Counted without a branch on what the slot holds, which is anybody's guess.
            const int puesta = h.Estado == kPuesta;
            const int libre = 1 - puesta;
            const int distintos = a != b;
            m.Puestas[I(a)] = static_cast<Entero>(m.Puestas[I(a)] + puesta);
            m.Puestas[I(b)] = static_cast<Entero>(m.Puestas[I(b)] + (puesta & distintos));
            m.Vistas[I(a)][I(b)] = static_cast<Entero>(m.Vistas[I(a)][I(b)] | puesta);
            m.Vistas[I(b)][I(a)] = static_cast<Entero>(m.Vistas[I(b)][I(a)] | puesta);
            m.DobleVisto[I(a)] = static_cast<Entero>(m.DobleVisto[I(a)] | (puesta & (1 - distintos)));
            m.NoPuestas[I(a)][I(p)] = static_cast<Entero>(m.NoPuestas[I(a)][I(p)] + libre);
            m.NoPuestas[I(b)][I(p)] = static_cast<Entero>(m.NoPuestas[I(b)][I(p)] + (libre & distintos));
            const int poseedor = m.PoseedorDoble[I(a)];
            m.PoseedorDoble[I(a)] =
                static_cast<Entero>(poseedor + (p - poseedor) * (libre & (1 - distintos)));
            const auto t = I(IndiceFicha(a, b));
            m.Asiento[t] = static_cast<Entero>(p);
            m.Puesta[t] = puesta != 0;
        }
        m.PuntosEnMano[I(p)] = static_cast<float>(pips);
    }
    return m;
}

AnalisisNumero AnalizarFichasNumero(const MesaLeida& m, Entero mover, Entero n)
{
    assert(n >= 0 && n <= 6);
    AnalisisNumero r;
    if (n < 0 || n > 6) return r;
    r.PuestasConNumero = m.Puestas[I(n)];
    r.VistoConNumero = m.Vistas[I(n)];
    r.EsDoble = m.DobleVisto[I(n)];
    r.FichasConNumero = m.NoPuestas[I(n)];
    r.PoseedorDobleNumero = m.PoseedorDoble[I(n)];
    r.BandoDobleNumero = r.PoseedorDobleNumero == 0 ? Entero{0} : BandoDe(mover, r.PoseedorDobleNumero);
    r.PuntosEnMano = m.PuntosEnMano;
    for (int p = 1; p <= kAsientos; ++p)
        r.PuntosEnBando[I(BandoDe(mover, static_cast<Entero>(p)))] += m.PuntosEnMano[I(p)];
    return r;
}

AnalisisNumero AnalizarFichasNumero(const EstadoJuego& e, Entero mover, Entero n)
{
    return AnalizarFichasNumero(LeerMesa(e), mover, n);
}

PoseedorFicha BuscarPoseedor(const EstadoJuego& e, Entero a, Entero b)
{
    PoseedorFicha r;
    for (int p = 1; p <= kAsientos; ++p) {
        const auto asiento = static_cast<Entero>(p);
        if (const auto hueco = BuscarFichaEnMano(e, a, b, asiento)) {
            r.Asiento = asiento;
            r.Puesta = e.Manos[I(p)][I(*hueco)].Estado == kPuesta;
        }
    }
    return r;
}

PoseedorFicha BuscarPoseedor(const MesaLeida& m, Entero a, Entero b)
{
    assert(a >= 0 && a <= 6 && b >= 0 && b <= 6);
    if (a < 0 || a > 6 || b < 0 || b > 6) return {};
    const auto t = I(IndiceFicha(a, b));
    return {m.Asiento[t], m.Puesta[t]};
}

FichaSuelta UnicaFichaDe(const EstadoJuego& e, Entero p)
{
    FichaSuelta r;
    if (p < 1 || p > 4 || e.FichasEnMano[I(p)] != 1) return r;
    for (int s = 1; s <= HuecosDe(e, p); ++s) {
        const HuecoMano& h = e.Manos[I(p)][I(s)];
        if (h.Estado == kEnMano) {
            r = FichaSuelta{true, h.PuntoA, h.PuntoB};
            break;
        }
    }
    return r;
}

RolesAsientos CalcularRoles(const EstadoJuego& e, const Ajustes& a, Entero mover, Entero nivel)
{
    assert(mover >= 1 && mover <= 4);
    RolesAsientos r;
    r.Siguiente = mover;
    CalcularJugadorSiguiente(e, a, r.Siguiente);
    const auto fichas = [&](Entero p) { return e.FichasEnMano[I(p)]; };

    if (EnParejas(a)) {
        const Entero companero = Companero[I(mover)];
        r.Propio1 = fichas(companero) < fichas(mover) ? companero : mover;
        r.Propio2 = r.Propio1 == mover ? companero : mover;
        r.Rival1 = r.Siguiente;
        r.Rival2 = Companero[I(r.Siguiente)];
        if (fichas(r.Rival1) > fichas(r.Rival2) && nivel > 20) std::swap(r.Rival1, r.Rival2);
        return r;
    }

    // Ranked by tiles held and then by order of play, numerically: a hand of ten or more tiles ranks after
    // one of fewer.
    struct Rival
    {
        Entero fichas, orden, asiento;
    };
    std::array<Rival, 3> rivales{};
    int n = 0;
    Entero p = mover;
    for (int k = 1; k <= a.NumeroJugadores - 1 && k <= 3; ++k) {
        CalcularJugadorSiguiente(e, a, p);
        rivales[I(n++)] = Rival{fichas(p), static_cast<Entero>(k), p};
    }
    std::sort(rivales.begin(), rivales.begin() + n, [](const Rival& x, const Rival& y) {
        return x.fichas != y.fichas ? x.fichas < y.fichas : x.orden < y.orden;
    });
    for (int k = 0; k < n; ++k) r.OrdenRivales[I(k + 1)] = rivales[I(k)].asiento;
    return r;
}

} // namespace zp
