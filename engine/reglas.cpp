#include "engine/reglas.h"

namespace zp {

bool AsientoEnJuego(const Ajustes& a, int p)
{
    return p >= 1 && p <= kAsientos && a.Jugador[static_cast<std::size_t>(p)].EstadoJugador == 1;
}

int ContarJugadoresEnJuego(const Ajustes& a)
{
    int n = 0;
    for (int p = 1; p <= kAsientos; ++p)
        if (AsientoEnJuego(a, p)) ++n;
    return n;
}

int MarcarAsientos(const std::string& asientos, Ajustes& a)
{
    int enJuego = 0;
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        const bool esta = asientos.find(static_cast<char>('0' + p)) != std::string::npos;
        a.Jugador[p].EstadoJugador = esta ? 1 : 2;
        enJuego += esta ? 1 : 0;
    }
    a.NumeroJugadores = static_cast<Entero>(enJuego);
    return enJuego;
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
