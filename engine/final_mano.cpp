#include "engine/final_mano.h"

#include <bit>
#include <cassert>
#include <optional>

#include "engine/final_busqueda.h"
#include "engine/reglas.h"
#include "engine/turno.h"

namespace zp {

namespace {

// One search core per thread, reused by every search; its large table is allocated only when a search
// first outgrows the small one.
BusquedaFinal& Motor()
{
    thread_local BusquedaFinal motor;
    return motor;
}

ReglasBusqueda LeerReglas(const EstadoJuego& e, const Ajustes& a)
{
    ReglasBusqueda r;
    r.Parejas = EnParejas(a);
    r.GanadorSiEmpate = ReglaEmpate(a);
    r.JugadorSalida = e.JugadorSalida;
    r.SoloPerdedores = a.PuntosQueSeAnotan == PuntosAnotados::DeLaPerdedora;
    r.PorUnidades = a.SistemaAnotacion == Anotacion::Unidades;
    r.Propio = r.Parejas ? ParejaDe(e.JugadorTurno) : e.JugadorTurno;
    for (std::size_t p = 1; p <= 4; ++p) {
        r.EnJuego[p] = AsientoEnJuego(a, p);
        if (!r.EnJuego[p]) continue;
        Entero s = static_cast<Entero>(p);
        CalcularJugadorSiguiente(e, a, s);
        r.Siguiente[p] = s;
    }
    return r;
}

struct Raiz
{
    int x = 0;
    int y = 0;
    bool operator==(const Raiz&) const = default;
};

// All that a search reads of the state: with the same reading, the same results.
struct Planteo
{
    FinBusqueda Fin = FinBusqueda::Completa; // a refusal found while reading
    int Mover = 0, E1 = 0, E2 = 0, CuantasRaices = 0;
    std::array<MascaraFichas, 5> Manos{};
    std::array<Raiz, kRaicesFinal + 1> Raices{};
    ReglasBusqueda Reglas;
    bool operator==(const Planteo&) const = default;
};

Planteo Plantear(const EstadoJuego& e, const Ajustes& a)
{
    Planteo q;
    const int m = q.Mover = e.JugadorTurno;
    assert(m >= 1 && m <= 4 && AsientoEnJuego(a, m));

    // 1. Refusals: tiles still to be drawn in individual play, or nothing to weigh.
    if (a.ModoJuego == Modalidad::Individual && e.FichasMonton > a.RemanentesMonton) {
        q.Fin = FinBusqueda::MontonAbierto;
        return q;
    }
    if (e.FichasEnMano[static_cast<std::size_t>(m)] == 1) {
        q.Fin = FinBusqueda::UnaFicha;
        return q;
    }

    // 2. The hands as bitmasks; the mover's roots in slot order, the first pip joined before the second and
    //    a double once, as the chooser numbers its candidates.
    const int e1 = q.E1 = e.Linea.Extremos[1];
    const int e2 = q.E2 = e.Linea.Extremos[2];
    int n = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(a, p)) continue;
        for (std::size_t s = 1; s <= static_cast<std::size_t>(e.HuecosMano[p]); ++s) {
            const HuecoMano& h = e.Manos[p][s];
            if (h.Estado != kEnMano) continue;
            // Every tile once, with two pips: the state files are checked for it before a game is played.
            const bool punto = h.PuntoA >= 0 && h.PuntoA <= 6 && h.PuntoB >= 0 && h.PuntoB <= 6;
            const MascaraFichas bit = punto ? MascaraFichas{1} << IndiceFicha(h.PuntoA, h.PuntoB) : 0;
            bool repetida = false;
            for (const MascaraFichas otra : q.Manos) repetida = repetida || (otra & bit) != 0;
            assert(punto && !repetida);
            if (!punto || repetida) {
                q.Fin = FinBusqueda::PosicionNoValida;
                return q;
            }
            q.Manos[p] |= bit;
            if (static_cast<int>(p) != m) continue;
            if (h.PuntoA == e1 || h.PuntoA == e2)
                q.Raices[static_cast<std::size_t>(++n)] = {h.PuntoA, h.PuntoB};
            if (h.PuntoA != h.PuntoB && (h.PuntoB == e1 || h.PuntoB == e2))
                q.Raices[static_cast<std::size_t>(++n)] = {h.PuntoB, h.PuntoA};
        }
        assert(std::popcount(q.Manos[p]) == e.FichasEnMano[p]);
        if (std::popcount(q.Manos[p]) != e.FichasEnMano[p]) {
            q.Fin = FinBusqueda::PosicionNoValida;
            return q;
        }
    }
    assert(n <= kRaicesFinal);
    q.CuantasRaices = n;
    q.Reglas = LeerReglas(e, a);
    return q;
}

// 3. Every root counted; past the budget nothing is written and the ordinary choice stands.
InformeFinalMano Resolver(const Planteo& q, ResultadoFinalMano& r, std::uint64_t presupuesto)
{
    InformeFinalMano informe;
    informe.Fin = q.Fin;
    if (q.Fin != FinBusqueda::Completa) return informe;
    BusquedaFinal& motor = Motor();
    motor.Preparar(q.Reglas, q.Manos, q.E1, q.E2, presupuesto);
    std::array<ValorFinal, kRaicesFinal + 1> valores{};
    for (std::size_t k = 1; k <= static_cast<std::size_t>(q.CuantasRaices); ++k) {
        if (!motor.JugarRaiz(q.Mover, q.Raices[k].x, q.Raices[k].y, valores[k])) {
            informe.Fin = FinBusqueda::FueraDePresupuesto;
            informe.PosicionesVisitadas = motor.Visitadas();
            return informe;
        }
    }

    // 4. Summary per root. Counts pass 2^24, so each quotient is taken in double and rounded to Single once.
    for (std::size_t k = 1; k <= static_cast<std::size_t>(q.CuantasRaices); ++k) {
        const ValorFinal& v = valores[k];
        r.PorcentajeGanadas[k] =
            v.Total == 0
                ? 0.0f
                : static_cast<float>(static_cast<double>(v.Ganadas) * 100.0 / static_cast<double>(v.Total));
        r.MediaPuntosGanados[k] =
            v.Ganadas == 0 ? 0.0f
                           : static_cast<float>(static_cast<double>(v.Suma) / static_cast<double>(v.Ganadas));
        informe.Desenlaces += v.Total;
    }
    informe.Raices = q.CuantasRaices;
    informe.PosicionesVisitadas = motor.Visitadas();
    return informe;
}

} // namespace

InformeFinalMano ExplorarFinalDeMano(const EstadoJuego& e, const Ajustes& a, ResultadoFinalMano& r,
                                     std::uint64_t presupuesto)
{
    return Resolver(Plantear(e, a), r, presupuesto);
}

InformeFinalMano ExplorarFinalRecordado(const EstadoJuego& e, const Ajustes& a, ResultadoFinalMano& r)
{
    struct Ultima
    {
        Planteo Q;
        InformeFinalMano Informe;
        ResultadoFinalMano R;
    };
    thread_local std::optional<Ultima> ultima;
    const Planteo q = Plantear(e, a);
    if (ultima && ultima->Q == q) {
        for (std::size_t k = 1; k <= static_cast<std::size_t>(q.CuantasRaices); ++k) {
            r.PorcentajeGanadas[k] = ultima->R.PorcentajeGanadas[k];
            r.MediaPuntosGanados[k] = ultima->R.MediaPuntosGanados[k];
        }
        return ultima->Informe;
    }
    const InformeFinalMano informe = Resolver(q, r, kPresupuestoFinal);
    if (informe.Fin == FinBusqueda::Completa) ultima = Ultima{q, informe, r};
    return informe;
}

} // namespace zp
