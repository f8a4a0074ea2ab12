#include "engine/reglas.h"

namespace zp {

int ContarJugadoresEnJuego(const Ajustes& a)
{
    int n = 0;
    for (int p = 1; p <= 4; ++p)
        if (a.Jugador[static_cast<std::size_t>(p)].EstadoJugador == 1) ++n;
    return n;
}

FalloReglas ValidarReglas(const Ajustes& a)
{
    const int n = ContarJugadoresEnJuego(a);
    if (n < 2) return FalloReglas::PocosJugadores;
    if (a.NumeroJugadores != n) return FalloReglas::JugadoresDescontados;
    if (a.FichasPorJugador < 7 || a.FichasPorJugador > 14) return FalloReglas::FichasFueraDeRango;
    if (a.FichasPorJugador * n > kFichasJuego) return FalloReglas::DemasiadasFichas;
    if (a.ModoJuego == 1 && n != 4) return FalloReglas::ParejasSinCuatro;
    return FalloReglas::Ninguno;
}

Entero ReglaEmpate(const Ajustes& a)
{
    if (a.GanadorSiEmpate == 3 && a.ModoJuego != 1) return 1;
    return a.GanadorSiEmpate;
}

} // namespace zp
