#include "engine/ciclo_turno.h"

#include <cassert>

#include "engine/analisis_mano.h"
#include "engine/eleccion.h"
#include "engine/indices.h"
#include "engine/turno.h"

namespace zp {

void PasosTurno::Contar(Contexto& c)
{
    ElegirJugada(c);
}

EleccionTurno PasosTurno::Elegir(Contexto& c)
{
    ElegirJugada(c);
    return EleccionTurno::Jugar;
}

ResultadoTurno JugarTurno(Contexto& c, PasosTurno& pasos)
{
    EstadoJuego& e = c.e;
    const Ajustes& a = c.a;
    ResultadoTurno r;

    // 1. The turn moves on.
    e.FichaA = e.FichaB = e.ExtremoElegido = kNinguna;
    if (!AvanzarTurno(e, a)) return {FinTurno::Abandono, FalloJugada::JugadorNoValido};
    if (!pasos.Empezar(c)) return {FinTurno::Abandono, FalloJugada::Ninguno};
    e.JugadaElegida = false;

    // 2. Count what fits; draw one tile at a time, each its own move, while nothing does.
    e.SoloContar = true;
    pasos.Contar(c);
    while (e.JugadasPosibles == 0 && e.FichasMonton > a.RemanentesMonton) {
        pasos.AntesDeRobar(c);
        r.Fallo = RobarFicha(c);
        if (r.Fallo != FalloJugada::Ninguno) break;
        pasos.Contar(c);
    }
    e.SoloContar = false;

    // 3. The move, carried out; one the engine refuses (which no chooser gives) becomes a pass. A hand that
    //    has used every move number can take no more.
    switch (pasos.Elegir(c)) {
    case EleccionTurno::Abandono:
        return {FinTurno::Abandono, r.Fallo};
    case EleccionTurno::FinDeMano:
        return {FinTurno::Cerrada, r.Fallo};
    case EleccionTurno::Jugar:
        break;
    }
    FalloJugada f = EjecutarJugada(c);
    if (f != FalloJugada::Ninguno && f != FalloJugada::ListaLlena) {
        assert(false && "jugada rechazada");
        r.Fallo = f;
        e.ExtremoElegido = kExtremoPasa;
        f = EjecutarJugada(c);
    }
    if (f != FalloJugada::Ninguno) return {FinTurno::Cerrada, f};
    if (!pasos.Hecha(c)) return {FinTurno::Abandono, r.Fallo};

    // 4. The hand goes on while the mover holds tiles and someone can still play.
    if (e.FichasEnMano[I(e.JugadorTurno)] == 0)
        r.Fin = FinTurno::Domino;
    else if (ManoCerrada(e, a))
        r.Fin = FinTurno::Cerrada;
    return r;
}

bool ManoCerrada(const EstadoJuego& e, const Ajustes& a)
{
    const auto& x = e.Linea.Extremos;
    for (int p = 1; p <= kAsientos; ++p) {
        if (!AsientoEnJuego(a, p)) continue;
        for (int s = 1; s <= HuecosDe(e, p); ++s) {
            const HuecoMano& h = e.Manos[I(p)][I(s)];
            if (h.Estado == kEnMano && h.PuntoA != kNinguna &&
                (h.PuntoA == x[1] || h.PuntoA == x[2] || h.PuntoB == x[1] || h.PuntoB == x[2]))
                return false;
        }
    }
    if (e.FichasMonton > a.RemanentesMonton) {
        const MesaLeida m = LeerMesa(e);
        const auto puestas = [&](Entero n) { return AnalizarFichasNumero(m, 0, n).PuestasConNumero; };
        if (puestas(x[1]) < 7 || puestas(x[2]) < 7) return false;
    }
    return true;
}

} // namespace zp
