#include "engine/salida.h"

#include <cassert>
#include <utility>

#include "engine/analisis_mano.h"
#include "engine/mensajes_red.h"
#include "engine/reglas.h"
#include "engine/turno.h"

namespace zp {

namespace {

constexpr int kAyudaComienzo = 2145;

// Tiles of seat p that carry its k-th commonest number (a number out of 0..6 from a damaged file counts 0).
Entero CuentaOrdenada(const EstadoJuego& e, std::size_t p, std::size_t k)
{
    const Entero n = e.NumerosOrdenados[p][k];
    return (n >= 0 && n <= 6) ? e.CuentaNumeros[p][static_cast<std::size_t>(n)] : Entero{0};
}

// Rule 2: the person clicks the hand of the seat that leads.
Respuesta<Entero> PreguntarSalida(Contexto& c, const Ajustes& r)
{
    c.avisos.MostrarRotuloSalida("Elija el jugador que va a salir");
    c.mandos.PonerPunteroMesa(Puntero::Normal);
    Respuesta<Entero> eleccion;
    do {
        c.e.EligiendoSalida = true;
        eleccion = c.usuario.EsperarEleccionSalida(r);
        c.e.EligiendoSalida = false;
    } while (!eleccion.abandonada && !AsientoEnJuego(r, eleccion.valor));
    c.avisos.BorrarRotuloSalida();
    c.dibujo.Refrescar();
    return eleccion;
}

} // namespace

void ElegirPrimeraSalida(EstadoJuego& e, const Ajustes& r, Azar& azar)
{
    if (r.PrimeraMano == Apertura::SeisDoble) {
        e.JugadorSalida = BuscarPoseedor(e, e.SalidaA, e.SalidaB).Asiento;
        return;
    }
    int p = 0;
    do {
        p = Aleatorio(azar, 4);
    } while (!AsientoEnJuego(r, p));
    e.JugadorSalida = static_cast<Entero>(p);
}

Entero SalidaEntreCompaneros(const EstadoJuego& e, Entero m1, Entero m2)
{
    const Entero c1 = CuentaOrdenada(e, static_cast<std::size_t>(m1), 1);
    const Entero c2 = CuentaOrdenada(e, static_cast<std::size_t>(m2), 1);
    if (c1 > c2) return m1;
    if (c1 < c2) return m2;
    return e.DoblesJugador[static_cast<std::size_t>(m1)] < e.DoblesJugador[static_cast<std::size_t>(m2)] ? m1
                                                                                                         : m2;
}

Entero CalcularSalidaSiguiente(const EstadoJuego& e, const Ajustes& r)
{
    Entero salida = e.JugadorSalida;
    if (e.RepetirSalida && EnParejas(r) &&
        (r.TurnoSalida == ReglaSalida::Ganador || r.TurnoSalida == ReglaSalida::Perdedora)) {
        // the tied hand's leader leads its replay
    } else if (r.TurnoSalida == ReglaSalida::Rotatorio) {
        CalcularJugadorSiguiente(e, r, salida);
    } else if (r.TurnoSalida == ReglaSalida::Ganador && !EnParejas(r)) {
        if (AsientoEnJuego(r, e.GanadorMano)) salida = e.GanadorMano;
    } else if (r.TurnoSalida == ReglaSalida::Ganador) {
        salida = e.GanadorMano == 1 ? SalidaEntreCompaneros(e, 2, 4) : SalidaEntreCompaneros(e, 1, 3);
    } else if (r.TurnoSalida == ReglaSalida::Perdedora) {
        salida = e.GanadorMano == 1 ? SalidaEntreCompaneros(e, 1, 3) : SalidaEntreCompaneros(e, 2, 4);
    }
    // A pair rule read in individual play can name an empty seat: the next seat in play leads instead.
    if (!AsientoEnJuego(r, salida)) CalcularJugadorSiguiente(e, r, salida);
    return salida;
}

std::string TextoComienzoPartida(const EstadoJuego& e, const Ajustes& r)
{
    std::string primera;
    if (r.PrimeraMano == Apertura::SeisDoble) {
        if (e.SalidaA == 6 && e.SalidaB == 6)
            primera = "Sale el jugador que tiene el seis doble.";
        else if (e.SalidaA == e.SalidaB)
            primera = "Sale el jugador que tiene la doble más alta.";
        else
            primera = "Sale el jugador que tiene la ficha más alta.";
    } else {
        primera = "Se ha sorteado el jugador que comienza la partida.";
    }
    const Entero l = AsientoEnJuego(r, e.JugadorSalida) ? e.JugadorSalida : 0;
    return primera + std::string(SaltoLinea) + "Sale " +
           std::string(SinEspacios(r.Jugador[static_cast<std::size_t>(l)].NombreJugador)) + ".";
}

Espera DecidirSalida(Contexto& c, const Ajustes& r)
{
    EstadoJuego& e = c.e;
    const bool cliente = r.JuegoEnRed && r.ModoRed == PapelRed::Cliente;
    const bool primera = e.NumeroMano == 1;

    if (!cliente && (!primera || r.TurnoSalida == ReglaSalida::Elegida)) {
        if (r.TurnoSalida == ReglaSalida::Elegida) {
            const Respuesta<Entero> eleccion = PreguntarSalida(c, r);
            if (eleccion.abandonada) return Espera::Abandonada;
            e.JugadorSalida = eleccion.valor;
        } else {
            e.JugadorSalida = CalcularSalidaSiguiente(e, r);
        }
    }
    e.RepetirSalida = false;

    if (r.JuegoEnRed && r.ModoRed == PapelRed::Administrador) {
        // No client moves in this hand before it knows who leads: a move queued now was made before.
        c.red.ColaRed().clear();
        c.red.EnviarATodosRed(CrearMensajeSalida(e.JugadorSalida));
    } else if (cliente) {
        e.JugadorSalida = 0;
        const Espera espera = c.red.EsperarRed([&] {
            if (const auto s = TomarSalidaDeCola(c.red.ColaRed(), e.PuestoLocal, r)) e.JugadorSalida = *s;
            return e.JugadorSalida != 0;
        });
        c.usuario.OcultarEspera();
        if (espera == Espera::Abandonada) return Espera::Abandonada;
    }

    if (primera && r.TurnoSalida != ReglaSalida::Elegida) {
        const auto aviso =
            c.usuario.MostrarMensaje("Comienza la Partida", TextoComienzoPartida(e, r), 2, 1, kAyudaComienzo);
        if (aviso.abandonada) return Espera::Abandonada;
    }

    if (e.SalidaA == -1) e.SalidaA = kNinguna;
    if (e.SalidaB == -1) e.SalidaB = kNinguna;
    e.JugadorTurno = static_cast<Entero>(e.JugadorSalida - (e.PasoTurno < 0 ? -1 : 1));
    return Espera::Cumplida;
}

void AjustarNumerosFavoritos(EstadoJuego& e, Azar& azar)
{
    const int r = Aleatorio(azar, 3);
    if (e.JugadorSalida < 1 || e.JugadorSalida > 4) return;
    const auto l = static_cast<std::size_t>(e.JugadorSalida);
    auto& orden = e.NumerosOrdenados[l];
    if (orden[1] < 0 || orden[1] > 6 || orden[2] < 0 || orden[2] > 6) return;
    const auto iguales = [&] { return CuentaOrdenada(e, l, 1) == CuentaOrdenada(e, l, 2); };
    if (iguales() && r == 1) std::swap(orden[1], orden[2]);
    // Still equal: a first number whose double the leader lacks gives way to the second.
    if (iguales() && e.PoseedorDoble[static_cast<std::size_t>(orden[1])] != e.JugadorSalida)
        std::swap(orden[1], orden[2]);
}

void PrepararRepeticionEmpate(EstadoJuego& e, const Ajustes& a)
{
    if (a.SalidaSiEmpate == SalidaEmpate::MismoJugador) {
        if (a.TurnoSalida == ReglaSalida::Rotatorio) {
            CalcularJugadorAnterior(e, a, e.JugadorSalida); // the rotation lands on it again
        } else if (EnParejas(a) &&
                   (a.TurnoSalida == ReglaSalida::Ganador || a.TurnoSalida == ReglaSalida::Perdedora)) {
            // In pairs play the winner is a pair code, and the partner rule could hand the lead to the
            // other pair or to the partner: the leader is kept as it is instead.
            e.RepetirSalida = true;
        } else {
            e.GanadorMano = e.JugadorSalida;
        }
    } else if (e.NumeroMano == 1) {
        // "Se corre el turno" in the first hand: replayed as hand 1 it would be led by the first hand's rule
        // again and the lead could never move on, so the next hand comes as hand 2.
        return;
    }
    // The replay keeps the tied hand's number and score-sheet entry.
    --e.NumeroMano;
}

} // namespace zp
