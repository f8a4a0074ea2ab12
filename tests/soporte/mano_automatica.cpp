#include "tests/soporte/mano_automatica.h"

#include "engine/ciclo_turno.h"
#include "engine/cierre.h"
#include "engine/reglas.h"
#include "engine/reparto.h"

namespace zp {

ResultadoManoAutomatica JugarManoAutomatica(Contexto& reparto, Contexto& juego)
{
    ResultadoManoAutomatica r;
    EstadoJuego& e = juego.e;
    const Ajustes& a = juego.a;
    if (IniciarMano(reparto) != ResultadoReparto::Listo) return r;
    PasosTurno automatico;
    FinTurno fin = FinTurno::Siguiente;
    while (fin == FinTurno::Siguiente) {
        const ResultadoTurno t = JugarTurno(juego, automatico);
        if (t.Fallo != FalloJugada::Ninguno || t.Fin == FinTurno::Abandono) return r;
        fin = t.Fin;
    }

    const bool parejas = EnParejas(a);
    r.Domino = fin == FinTurno::Domino;
    r.PuntosAsiento = PipsEnMano(e);
    if (r.Domino) {
        r.Ganador = parejas ? ParejaDe(e.JugadorTurno) : e.JugadorTurno;
    } else {
        const GanadorCierre g = DecidirCierre(parejas, r.PuntosAsiento, AsientosEnJuego(a));
        r.Ganador = static_cast<Entero>(g.Empate ? GanadorEmpate(ReglaEmpate(a), parejas, e.JugadorSalida)
                                                 : g.Ganador);
    }
    r.Puntos =
        PuntosMano(parejas, a.PuntosQueSeAnotan == PuntosAnotados::DeLaPerdedora, r.Ganador, r.PuntosAsiento);
    e.GanadorMano = r.Ganador;
    e.ManoEnCurso = false;
    r.Valida = true;
    return r;
}

void EmpezarSerie(EstadoJuego& e)
{
    e.NumeroMano = 0;
    e.JugadorSalida = 0;
    e.GanadorMano = 0;
    e.ManoEnCurso = false;
}

} // namespace zp
