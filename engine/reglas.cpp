#include "engine/reglas.h"

namespace zp {

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
        a.Jugador[p].EstadoJugador = esta ? EstadoAsiento::Activado : EstadoAsiento::Desactivado;
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
    if (!ajuste::FichasPorJugador.Valido(a.FichasPorJugador)) return FalloReglas::FichasFueraDeRango;
    if (a.FichasPorJugador * n > kFichasJuego) return FalloReglas::DemasiadasFichas;
    if (EnParejas(a) && n != 4) return FalloReglas::ParejasSinCuatro;
    return FalloReglas::Ninguno;
}

void AsentarJugadores(Ajustes& a)
{
    a.NumeroJugadores = static_cast<Entero>(ContarJugadoresEnJuego(a));
    if (a.NumeroJugadores != 4) a.ModoJuego = Modalidad::Individual;
}

Empate ReglaEmpate(const Ajustes& a)
{
    if (a.GanadorSiEmpate == Empate::GanaQuienNoSalio && !EnParejas(a)) return Empate::SeRepite;
    return a.GanadorSiEmpate;
}

} // namespace zp
