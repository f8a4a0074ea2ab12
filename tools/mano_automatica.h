#pragma once
// One hand of automatic players with no window: dealt by the engine's deal, each turn counted, drawn and
// chosen as the match loop does it, and carried out by the engine's move procedure. The deal and the play
// draw their random numbers from separate generators, so that two line-ups meet the same deals whatever
// their play draws. Scored simply: the side that dominoes or keeps fewest pips in a blocked hand takes
// every pip left. For the tournament tool and the automatic player's seeded tests.
#include <array>

#include "engine/contexto.h"
#include "engine/eleccion.h"
#include "engine/jugada.h"
#include "engine/mano_al_azar.h"
#include "engine/reparto.h"
#include "engine/turno.h"

namespace zp {

struct ResultadoManoAutomatica
{
    bool Valida = false; // dealt and played to its end
    bool Domino = false;
    Entero Ganador = 0; // seat in individual play, pair code in pairs play; 0 a blocked tie
    int Puntos = 0;     // pips left in every hand
    std::array<int, 5> PuntosAsiento{};
};

// Two engines over one state: `reparto` deals, `juego` plays. They must share the state and the rules.
inline ResultadoManoAutomatica JugarManoAutomatica(Contexto& reparto, Contexto& juego)
{
    ResultadoManoAutomatica r;
    EstadoJuego& e = juego.e;
    const Ajustes& a = juego.a;
    if (IniciarMano(reparto) != ResultadoReparto::Listo) return r;
    for (;;) {
        e.FichaA = e.FichaB = e.ExtremoElegido = kNinguna;
        if (!AvanzarTurno(e, a)) return r;
        e.JugadaElegida = false;
        e.SoloContar = true;
        ElegirJugada(juego);
        while (e.JugadasPosibles == 0 && e.FichasMonton > a.RemanentesMonton) {
            if (RobarFicha(juego) != FalloJugada::Ninguno) return r;
            ElegirJugada(juego);
        }
        e.SoloContar = false;
        ElegirJugada(juego);
        if (EjecutarJugada(juego) != FalloJugada::Ninguno) return r;
        const Entero mover = e.JugadorTurno;
        r.Domino = e.FichasEnMano[static_cast<std::size_t>(mover)] == 0;
        if (r.Domino || ManoCerrada(e, a)) break;
    }

    for (std::size_t p = 1; p <= 4; ++p)
        for (int s = 1; s <= e.HuecosMano[p]; ++s) {
            const HuecoMano& h = e.Manos[p][static_cast<std::size_t>(s)];
            if (h.Estado == kEnMano) r.PuntosAsiento[p] += h.PuntoA + h.PuntoB;
        }
    for (std::size_t p = 1; p <= 4; ++p) r.Puntos += r.PuntosAsiento[p];

    const bool parejas = EnParejas(a);
    if (r.Domino) {
        r.Ganador = parejas ? ParejaDe(e.JugadorTurno) : e.JugadorTurno;
    } else if (parejas) {
        const int p1 = r.PuntosAsiento[2] + r.PuntosAsiento[4];
        const int p2 = r.PuntosAsiento[1] + r.PuntosAsiento[3];
        r.Ganador = p1 < p2 ? 1 : p2 < p1 ? 2 : 0;
    } else {
        int minimo = 999, cuantos = 0;
        for (std::size_t p = 1; p <= 4; ++p) {
            if (!AsientoEnJuego(a, p)) continue;
            if (r.PuntosAsiento[p] < minimo) {
                minimo = r.PuntosAsiento[p];
                r.Ganador = static_cast<Entero>(p);
                cuantos = 1;
            } else if (r.PuntosAsiento[p] == minimo) {
                ++cuantos;
            }
        }
        if (cuantos > 1) r.Ganador = 0;
    }
    e.GanadorMano = r.Ganador;
    e.ManoEnCurso = false;
    r.Valida = true;
    return r;
}

// A match of `manos` hands starts over: hand 1 again, with its opening tile and leader.
inline void EmpezarSerie(EstadoJuego& e)
{
    e.NumeroMano = 0;
    e.JugadorSalida = 0;
    e.GanadorMano = 0;
    e.ManoEnCurso = false;
}

} // namespace zp
