#include "engine/turno.h"

#include <cassert>

namespace zp {

namespace {

// Steps p by paso round 1..4 until a seat in play; any start value, 0 and 5 included, wraps round.
bool Recorrer(const Ajustes& a, Entero& p, int paso)
{
    int q = p;
    for (int vuelta = 0; vuelta < 4; ++vuelta) {
        q = ((q - 1 + paso) % 4 + 4) % 4 + 1;
        if (AsientoEnJuego(a, q)) {
            p = static_cast<Entero>(q);
            return true;
        }
    }
    return false;
}

int Paso(const EstadoJuego& e)
{
    return e.PasoTurno < 0 ? -1 : 1;
}

} // namespace

// Hot: called on every turn, and by the endgame search as it starts, beside whose code it is laid.
[[gnu::hot]] bool CalcularJugadorSiguiente(const EstadoJuego& e, const Ajustes& a, Entero& p)
{
    return Recorrer(a, p, Paso(e));
}

bool CalcularJugadorAnterior(const EstadoJuego& e, const Ajustes& a, Entero& p)
{
    return Recorrer(a, p, -Paso(e));
}

bool AvanzarTurno(EstadoJuego& e, const Ajustes& a)
{
    if (!CalcularJugadorSiguiente(e, a, e.JugadorTurno)) return false;
    ++e.NumeroJugada;
    return true;
}

bool RetrocederTurno(EstadoJuego& e, const Ajustes& a)
{
    if (!CalcularJugadorAnterior(e, a, e.JugadorTurno)) return false;
    --e.NumeroJugada;
    return true;
}

Entero CalcularJugadorRelativo(Entero p, Entero puestoLocal)
{
    assert(p >= 1 && p <= 4 && puestoLocal >= 1 && puestoLocal <= 4);
    int r = p + 4 - puestoLocal;
    if (r >= 5) r -= 4;
    return static_cast<Entero>(r);
}

} // namespace zp
