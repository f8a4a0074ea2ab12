#include "engine/final_mano.h"

#include <cassert>

#include "engine/final_busqueda.h"
#include "engine/reglas.h"
#include "engine/turno.h"

namespace zp {

namespace {

// One search core per thread, reused by every search: zeroed with the thread's storage, so that the first
// search neither builds nor registers anything.
constinit thread_local BusquedaFinal tMotor;

[[gnu::hot]] ReglasBusqueda LeerReglas(const EstadoJuego& e, const Ajustes& a)
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
};

} // namespace

// Hot, to lie beside the search's core (final_busqueda.cpp).
[[gnu::hot]] InformeFinalMano ExplorarFinalDeMano(const EstadoJuego& e, const Ajustes& a,
                                                  ResultadoFinalMano& r, std::uint64_t presupuesto)
{
    InformeFinalMano informe;
    const int m = e.JugadorTurno;
    assert(m >= 1 && m <= 4 && AsientoEnJuego(a, m));

    // 1. Refusals: tiles still to be drawn in individual play, or nothing to weigh.
    if (a.ModoJuego == Modalidad::Individual && e.FichasMonton > a.RemanentesMonton) {
        informe.Fin = FinBusqueda::MontonAbierto;
        return informe;
    }
    if (e.FichasEnMano[static_cast<std::size_t>(m)] == 1) {
        informe.Fin = FinBusqueda::UnaFicha;
        return informe;
    }

    // 2. The hands as bitmasks; the mover's roots in slot order, the first pip joined before the second and
    //    a double once, as the chooser numbers its candidates.
    std::array<MascaraFichas, 5> manos{};
    std::array<Raiz, kRaicesFinal + 1> raices{};
    const int e1 = e.Linea.Extremos[1];
    const int e2 = e.Linea.Extremos[2];
    int n = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(a, p)) continue;
        int fichas = 0; // tiles of seat p, each a new bit of its mask
        for (std::size_t s = 1; s <= static_cast<std::size_t>(e.HuecosMano[p]); ++s) {
            const HuecoMano& h = e.Manos[p][s];
            if (h.Estado != kEnMano) continue;
            // Every tile once, with two pips: the state files are checked for it before a game is played.
            const bool punto = h.PuntoA >= 0 && h.PuntoA <= 6 && h.PuntoB >= 0 && h.PuntoB <= 6;
            const MascaraFichas bit = punto ? BitFicha(h.PuntoA, h.PuntoB) : 0;
            bool repetida = false;
            for (const MascaraFichas otra : manos) repetida = repetida || (otra & bit) != 0;
            assert(punto && !repetida);
            if (!punto || repetida) {
                informe.Fin = FinBusqueda::PosicionNoValida;
                return informe;
            }
            manos[p] |= bit;
            ++fichas;
            if (static_cast<int>(p) != m) continue;
            if (h.PuntoA == e1 || h.PuntoA == e2)
                raices[static_cast<std::size_t>(++n)] = {h.PuntoA, h.PuntoB};
            if (h.PuntoA != h.PuntoB && (h.PuntoB == e1 || h.PuntoB == e2))
                raices[static_cast<std::size_t>(++n)] = {h.PuntoB, h.PuntoA};
        }
        assert(fichas == e.FichasEnMano[p]);
        if (fichas != e.FichasEnMano[p]) {
            informe.Fin = FinBusqueda::PosicionNoValida;
            return informe;
        }
    }
    assert(n <= kRaicesFinal);

    // 3. Every root counted; past the budget nothing is written and the ordinary choice stands.
    BusquedaFinal& motor = tMotor;
    motor.Preparar(LeerReglas(e, a), manos, e1, e2, presupuesto);
    std::array<ValorFinal, kRaicesFinal + 1> valores{};
    for (std::size_t k = 1; k <= static_cast<std::size_t>(n); ++k) {
        if (!motor.JugarRaiz(m, raices[k].x, raices[k].y, valores[k])) {
            informe.Fin = FinBusqueda::FueraDePresupuesto;
            informe.PosicionesVisitadas = motor.Visitadas();
            return informe;
        }
    }

    // 4. Summary per root. Counts pass 2^24, so each quotient is taken in double and rounded to Single once.
    for (std::size_t k = 1; k <= static_cast<std::size_t>(n); ++k) {
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
    informe.Raices = n;
    informe.PosicionesVisitadas = motor.Visitadas();
    return informe;
}

} // namespace zp
