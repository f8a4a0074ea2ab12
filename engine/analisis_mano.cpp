#include "engine/analisis_mano.h"

#include <algorithm>
#include <cassert>

#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/turno.h"

namespace zp {

Entero BandoDe(Entero mover, Entero p)
{
    return (p == mover || (mover >= 1 && mover <= 4 && p == Companero[I(mover)])) ? 1 : 2;
}

MesaLeida LeerMesa(const EstadoJuego& e)
{
    const auto pip = [](Entero x) { return x >= 0 && x <= 6; };
    MesaLeida m;
    for (int p = 1; p <= kAsientos; ++p) {
        for (int s = 1; s <= HuecosDe(e, p); ++s) {
            const HuecoMano& h = e.Manos[I(p)][I(s)];
            const Entero a = h.PuntoA, b = h.PuntoB;
            if (h.Estado == kPuesta) {
                // A laid tile has two pips; the state files are checked for it before a game is played.
                assert(pip(a) && pip(b));
                if (pip(a)) {
                    ++m.Puestas[I(a)];
                    if (pip(b)) m.Vistas[I(a)][I(b)] = 1;
                    if (a == b) m.DobleVisto[I(a)] = 1;
                }
                if (pip(b) && b != a) {
                    ++m.Puestas[I(b)];
                    if (pip(a)) m.Vistas[I(b)][I(a)] = 1;
                }
            } else {
                if (pip(a)) {
                    ++m.NoPuestas[I(a)][I(p)];
                    if (a == b) m.PoseedorDoble[I(a)] = static_cast<Entero>(p);
                }
                if (pip(b) && b != a) ++m.NoPuestas[I(b)][I(p)];
            }
            if (h.Estado == kEnMano) m.PuntosEnMano[I(p)] += static_cast<float>(a + b);
            if (pip(a) && pip(b)) {
                const auto t = I(IndiceFicha(a, b));
                m.Asiento[t] = static_cast<Entero>(p);
                m.Puesta[t] = h.Estado == kPuesta;
            }
        }
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
