#include "settings/core/ajustes_recibidos.h"

#include "engine/indices.h"
#include "engine/turno.h"
#include "settings/core/coherencia_partida.h"

namespace zp {

FalloLectura AplicarAjustesRecibidos(std::string_view cadena, EstadoJuego& juego, Ajustes& datos)
{
    if (!EsAsiento(juego.PuestoLocal)) return std::string("este ordenador no tiene puesto en la partida");
    // The host's view, read whole and checked before anything of it is taken.
    EstadoJuego hj = juego;
    Ajustes ha = datos;
    if (auto f = LeerSituacion(cadena, hj, ha, Lectura::Red)) return f;

    Ajustes a = datos;
    for (int p = 1; p <= kAsientos; ++p) {
        const AjustesJugador& h = ha.Jugador[I(p)];
        const Entero r = CalcularJugadorRelativo(static_cast<Entero>(p), juego.PuestoLocal);
        AjustesJugador& j = a.Jugador[I(r)];
        const bool local = r == 4;
        j.NombreJugador = h.NombreJugador;
        j.NivelJugador = h.NivelJugador;
        j.EstadoJugador = h.EstadoJugador;
        j.ControlJugador = h.ControlJugador;
        if (p == 4) j.ControlJugador = Control::Remoto; // the host plays from its own computer
        if (local) j.ControlJugador = Control::Manual;
        j.FichasJugador = local ? VistaFichas::Visibles : VistaFichas::Ocultas;
        j.CaracterJugador = h.CaracterJugador;
        // Seat 4's address on a client is the host's, which it connects to; the host's block for this seat
        // holds this computer's own, and taking it would leave nothing to connect to again.
        if (!local) j.DireccionIP = h.DireccionIP;
    }
    a.PausaEntreJugadas = ha.PausaEntreJugadas;
    a.SentidoJuego = ha.SentidoJuego;
    a.SistemaReparto = ha.SistemaReparto;
    a.JugadorCincoDobles = ha.JugadorCincoDobles;
    a.PrimeraMano = ha.PrimeraMano;
    a.SistemaAnotacion = ha.SistemaAnotacion;
    a.PuntosQueSeAnotan = ha.PuntosQueSeAnotan;
    a.ParejaQueSeAnota = ha.ParejaQueSeAnota;
    a.GanadorSiEmpate = ha.GanadorSiEmpate;
    a.SalidaSiEmpate = ha.SalidaSiEmpate;
    a.TurnoSalida = ha.TurnoSalida;
    a.ListaJugadas = ha.ListaJugadas;
    a.ModoJuego = ha.ModoJuego;
    a.PuntosPartida = ha.PuntosPartida;
    a.FichasPorJugador = ha.FichasPorJugador;
    a.RemanentesMonton = ha.RemanentesMonton;

    EstadoJuego j = juego;
    j.SalidaA = hj.SalidaA;
    j.SalidaB = hj.SalidaB;
    j.IdPartida = hj.IdPartida;
    RecalcularDerivados(j, a);
    // Only these two fields of the game change; the rest of it is this computer's own.
    juego.SalidaA = j.SalidaA;
    juego.SalidaB = j.SalidaB;
    juego.IdPartida = j.IdPartida;
    juego.PasoTurno = j.PasoTurno;
    datos = std::move(a);
    return std::nullopt;
}

FalloLectura AplicarManosRecibidas(std::string_view cadena, EstadoJuego& juego)
{
    if (!EsAsiento(juego.PuestoLocal)) return std::string("este ordenador no tiene puesto en la partida");
    EstadoJuego hj = juego;
    Ajustes ha;
    if (auto f = LeerSituacion(cadena, hj, ha, Lectura::Red)) return f;
    // A tile twice, or a hand miscounted, is not a deal any engine can play.
    if (auto f = ComprobarReparto(hj)) return f;

    for (int p = 1; p <= kAsientos; ++p) {
        const auto q = I(CalcularJugadorRelativo(static_cast<Entero>(p), juego.PuestoLocal));
        for (int s = 1; s <= kHuecos; ++s) juego.Manos[q][I(s)] = hj.Manos[I(p)][I(s)];
        juego.FichasEnMano[q] = hj.FichasEnMano[I(p)];
    }
    // The stock has no seat: same slots as on the host.
    for (int i = 1; i <= kHuecosMonton; ++i) juego.Monton[I(i)] = hj.Monton[I(i)];
    return std::nullopt;
}

} // namespace zp
