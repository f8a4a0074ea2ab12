#include "engine/fin_mano.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <tuple>

#include "engine/cierre.h"
#include "engine/grabadora.h"
#include "engine/indices.h"
#include "engine/partida.h"
#include "engine/reglas.h"
#include "engine/reparto.h"
#include "engine/salida.h"
#include "engine/sonidos.h"
#include "engine/turno.h"

namespace zp {

namespace {

constexpr int kTopeTotal = 999;
constexpr int kAyudaHistorico = 2183;
const std::string kLineaRetroceder = "(Pulse el botón Cancelar si desea retroceder)";

// Str(): a number with a leading space when it is not negative.
std::string Str(int n)
{
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

Entero Entero16(int n)
{
    return static_cast<Entero>(std::clamp(n, -32768, 32767));
}

// How the hand ended, as the messages tell it.
struct CierreMano
{
    bool Domino = false;
    bool Repetir = false;
    Entero Ganador = 0;
    int Puntos = 0;
    std::array<int, 5> Pips{};
};

// The text of "C i e r r e" for a blocked hand, and the winner or the tie it shows.
std::string TextoCierre(const EstadoJuego& e, const Ajustes& a, CierreMano& k, int& lineas)
{
    std::string texto;
    const std::string salto(SaltoLinea);
    const bool parejas = EnParejas(a);
    if (parejas) {
        const int s24 = k.Pips[2] + k.Pips[4], s13 = k.Pips[1] + k.Pips[3];
        texto = NombreAsiento(a, 2) + " y " + NombreAsiento(a, 4) + " : " + Str(s24) + salto +
                NombreAsiento(a, 1) + " y " + NombreAsiento(a, 3) + " : " + Str(s13);
        lineas = 2;
    } else {
        lineas = 1;
        for (int p = 1; p <= kAsientos; ++p) {
            if (!AsientoEnJuego(a, p)) continue;
            texto += NombreAsiento(a, p) + " : " + Arrobas(k.Pips[I(p)]) + salto;
            ++lineas;
        }
    }
    const GanadorCierre g = DecidirCierre(parejas, k.Pips, AsientosEnJuego(a));
    k.Ganador = static_cast<Entero>(g.Ganador);
    if (g.Empate) {
        ++lineas;
        texto += salto;
        const Empate regla = ReglaEmpate(a);
        k.Ganador = static_cast<Entero>(GanadorEmpate(regla, parejas, e.JugadorSalida));
        switch (regla) {
        case Empate::GanaQuienSalio:
            texto += parejas ? "EMPATE -> Gana la pareja que salió." : "EMPATE -> Gana el jugador que salió.";
            break;
        case Empate::GanaQuienNoSalio:
            texto += "EMPATE -> Gana la pareja que no salió.";
            break;
        case Empate::SeRepite:
        default:
            texto += "EMPATE -> Se repite el juego";
            if (a.TurnoSalida == ReglaSalida::Rotatorio)
                texto += a.SalidaSiEmpate == SalidaEmpate::MismoJugador ? " y sale el mismo jugador."
                                                                        : " y se corre el turno de salida.";
            k.Repetir = true;
            break;
        }
    }
    return texto;
}

std::string LineaGanadorMano(const Ajustes& a, Entero ganador)
{
    if (EnParejas(a)) {
        if (ganador == 1)
            return "Habeis ganado el juego " + NombreAsiento(a, 2) + " y " + NombreAsiento(a, 4);
        return "Han ganado el juego " + NombreAsiento(a, 1) + " y " + NombreAsiento(a, 3);
    }
    if (ganador == 4) return NombreAsiento(a, 4) + ", has ganado el juego. ";
    return "Ha ganado el juego " + NombreAsiento(a, ganador);
}

// The message box, with the line and the button to take the hand back when no network game is played; closed
// from outside it is accepted, never taken back. Nothing when the end of the hand goes on; else Abandonada,
// or Continuar once the hand has been taken back.
std::optional<FinMano> Preguntar(Contexto& c, const std::string& titulo, std::string texto, int lineas)
{
    int botones = 1;
    if (!c.a.JuegoEnRed) {
        texto += std::string(SaltoLinea) + kLineaRetroceder;
        ++lineas;
        botones = 2;
    }
    const Respuesta<bool> r =
        c.usuario.MostrarMensaje(titulo, texto, lineas, botones, 0, CierreCaja::Aceptar);
    if (r.abandonada) return FinMano::Abandonada;
    if (r.valor) return std::nullopt;
    RetrocederFinDeMano(c);
    return FinMano::Continuar;
}

// The points of the hand just ended for its winner (a seat, or a pair in pairs play), from the pips left in
// the hands.
int PuntosDeLaMano(const EstadoJuego& e, const Ajustes& a, Entero ganador)
{
    return PuntosMano(EnParejas(a), a.PuntosQueSeAnotan == PuntosAnotados::DeLaPerdedora, ganador,
                      PipsEnMano(e));
}

// The score-sheet entry of hand NumeroMano, won by `ganador`.
void EscribirAnotacion(EstadoJuego& e, const Ajustes& a, Entero ganador)
{
    const auto n = I(e.NumeroMano);
    if (n >= e.Anotaciones.size()) e.Anotaciones.resize(n + 1);
    RegistroMano r;
    r.Anotada = true;
    r.Sale = NombreAsiento(a, e.JugadorSalida);
    const int p = PuntosDeLaMano(e, a, ganador);
    const Entero puntos = Entero16(p);
    const Entero decenas = Entero16(DecenasDe(p));
    if (EnParejas(a)) {
        const bool columna1 = (a.ParejaQueSeAnota == ParejaAnotada::Ganadora && ganador == 1) ||
                              (a.ParejaQueSeAnota == ParejaAnotada::Perdedora && ganador == 2);
        (columna1 ? r.PuntosPareja1 : r.PuntosPareja2) = puntos;
        (columna1 ? r.DecenasPareja1 : r.DecenasPareja2) = decenas;
    } else if (ganador >= 1 && ganador <= kAsientos) {
        r.PuntosJugador[I(ganador)] = puntos;
        r.DecenasJugador[I(ganador)] = decenas;
    }
    e.Anotaciones[n] = r;
}

// The side ahead on the totals. Where the highest total is shared: nobody (0), or with `desempatar` the first
// of those that share it (pair 1, the lowest seat).
Entero AdelantadoEnTotales(const EstadoJuego& e, const Ajustes& a, bool desempatar)
{
    if (EnParejas(a)) {
        if (e.TotalPareja1 != e.TotalPareja2) return e.TotalPareja1 > e.TotalPareja2 ? Entero{1} : Entero{2};
        return desempatar ? Entero{1} : Entero{0};
    }
    Entero mejor = 0;
    bool compartido = false;
    for (int p = 1; p <= kAsientos; ++p) {
        if (!AsientoEnJuego(a, p)) continue;
        const Entero t = e.PuntosJugador[I(p)];
        if (mejor == 0 || t > e.PuntosJugador[I(mejor)]) {
            mejor = static_cast<Entero>(p);
            compartido = false;
        } else if (t == e.PuntosJugador[I(mejor)]) {
            compartido = true;
        }
    }
    return compartido && !desempatar ? Entero{0} : mejor;
}

// Hand NumeroMano has its entry on the score sheet.
bool ManoAnotada(const EstadoJuego& e)
{
    const auto n = static_cast<std::size_t>(std::max<int>(e.NumeroMano, 0));
    return n < e.Anotaciones.size() && e.Anotaciones[n].Anotada;
}

// Only a tied hand that is played again leaves no winner, and it leaves no entry. A state saved while the
// replay was being dealt reads back as the hand before it, scored: that one is not replayed.
bool ManoEmpatada(const EstadoJuego& e)
{
    return e.GanadorMano == 0 && !ManoAnotada(e);
}

bool GanadorValido(const EstadoJuego& e, const Ajustes& a)
{
    return EnParejas(a) ? (e.GanadorMano == 1 || e.GanadorMano == 2) : AsientoEnJuego(a, e.GanadorMano);
}

// The end of the match told: sound 14 and "Final de Partida"; then, for a match with winners, the history
// question.
FinMano AnunciarFinPartida(Contexto& c, const std::string& texto, int lineas, bool conGanador)
{
    OcultarBotonContinuar(c);
    c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Domino);
    if (c.usuario.MostrarMensaje("Final de Partida", texto, lineas, 1).abandonada) return FinMano::Abandonada;
    if (!conGanador) return FinMano::PartidaTerminada;
    const Respuesta<bool> historico = c.usuario.MostrarMensaje(
        "Histórico de partidas jugadas", "¿Se actualiza el Histórico de partidas?", 1, 2, kAyudaHistorico);
    if (historico.abandonada) return FinMano::Abandonada;
    if (historico.valor) c.almacen.AnadirRegistroHistorico(ResumirPartida(c.e, c.a));
    return FinMano::PartidaTerminada;
}

FinMano TerminarPartida(Contexto& c)
{
    EstadoJuego& e = c.e;
    const Ajustes& a = c.a;
    // With no winner of the last hand to name (a tie replayed past the target), the side ahead wins.
    if (!GanadorValido(e, a)) e.GanadorMano = AdelantadoEnTotales(e, a, true);
    const Entero g = e.GanadorMano;
    std::string texto;
    int lineas = 1;
    if (EnParejas(a)) {
        lineas = 2;
        if (g == 1)
            texto = "Habeis ganado la partida " + std::string(SaltoLinea) + NombreAsiento(a, 2) + " y " +
                    NombreAsiento(a, 4);
        else
            texto = "Han ganado la partida " + std::string(SaltoLinea) + NombreAsiento(a, 1) + " y " +
                    NombreAsiento(a, 3);
    } else if (g == 4) {
        texto = NombreAsiento(a, 4) + ", has ganado la partida. ";
    } else {
        texto = "Ha ganado la partida " + NombreAsiento(a, g);
    }
    return AnunciarFinPartida(c, texto, lineas, true);
}

// No hand past the last a match may have: the match ends on the totals as they stand, won by the side ahead
// or by nobody at equal totals. A match nobody won has no place in the history, whose records name winners.
FinMano TerminarPorLimiteDeManos(Contexto& c)
{
    EstadoJuego& e = c.e;
    const std::string salto(SaltoLinea);
    const std::string texto = "Se han jugado " + std::to_string(e.NumeroMano) +
                              " manos, el máximo de una partida." + salto +
                              "La partida termina con los tantos conseguidos hasta ahora.";
    if (c.usuario.MostrarMensaje("Límite de manos", texto, 2, 1).abandonada) return FinMano::Abandonada;
    e.GanadorMano = AdelantadoEnTotales(e, c.a, false);
    if (e.GanadorMano != 0) return TerminarPartida(c);
    return AnunciarFinPartida(c,
                              "La partida termina empatada: nadie la ha ganado." + salto +
                                  "No se anota en el Histórico de partidas.",
                              2, false);
}

} // namespace

void CalcularTotales(EstadoJuego& e, const Ajustes& a)
{
    int pareja1 = 0, pareja2 = 0;
    std::array<int, 5> jugador{};
    const bool decenas = a.SistemaAnotacion == Anotacion::Decenas;
    const int ultima = std::min<int>(e.NumeroMano, static_cast<int>(e.Anotaciones.size()) - 1);
    for (int h = 1; h <= ultima; ++h) {
        const RegistroMano& r = e.Anotaciones[I(h)];
        pareja1 += decenas ? r.DecenasPareja1 : r.PuntosPareja1;
        pareja2 += decenas ? r.DecenasPareja2 : r.PuntosPareja2;
        for (std::size_t p = 1; p <= kAsientos; ++p)
            jugador[p] += decenas ? r.DecenasJugador[p] : r.PuntosJugador[p];
    }
    e.TotalPareja1 = Entero16(std::min(pareja1, kTopeTotal));
    e.TotalPareja2 = Entero16(std::min(pareja2, kTopeTotal));
    e.PuntosJugador[0] = 0;
    for (std::size_t p = 1; p <= kAsientos; ++p)
        e.PuntosJugador[p] = Entero16(std::min(jugador[p], kTopeTotal));
}

bool ComprobarFinPartida(const EstadoJuego& e, const Ajustes& a)
{
    if (EnParejas(a)) return e.TotalPareja1 >= a.PuntosPartida || e.TotalPareja2 >= a.PuntosPartida;
    for (std::size_t p = 1; p <= kAsientos; ++p)
        if (e.PuntosJugador[p] >= a.PuntosPartida) return true;
    return false;
}

ResumenPartida ResumirPartida(const EstadoJuego& e, const Ajustes& a)
{
    ResumenPartida r;
    r.ModoJuego = a.ModoJuego;
    r.Ganador = e.GanadorMano;
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        r.NombreJugador[p] = a.Jugador[p].NombreJugador;
        r.EstadoJugador[p] = a.Jugador[p].EstadoJugador;
        r.PuntosJugador[p] = e.PuntosJugador[p];
    }
    r.TotalPareja1 = e.TotalPareja1;
    r.TotalPareja2 = e.TotalPareja2;
    return r;
}

void ActivarGrabadora(Contexto& c)
{
    EstadoJuego& e = c.e;
    c.grabadora.EncenderGrabadora(true);
    c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Pulsar);
    c.grabadora.MostrarListaJugadas(true);
    if (c.a.PausaEntreJugadas) {
        c.avisos.DibujarBotonContinuar(1);
        e.EsperaContinuar = true;
    }
    e.PosicionGrabadora = e.NumeroJugada;
    c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Soltar);
    e.GrabadoraActiva = true;
}

void RetrocederFinDeMano(Contexto& c)
{
    EstadoJuego& e = c.e;
    e.ManoEnCurso = true;
    e.ManoReabierta = true;
    for (Entero p = 1; p <= kAsientos; ++p) c.dibujo.DibujarMano(p);
    AvanzarTurno(e, c.a);
    ActivarGrabadora(c);
    const FalloJugada f = RetrocederGrabadora(c);
    assert(f == FalloJugada::Ninguno);
    (void)f;
    RetrocederTurno(e, c.a);
}

FinMano TerminarMano(Contexto& c)
{
    EstadoJuego& e = c.e;
    Ajustes& a = c.a;
    e.ManoEnCurso = false;
    c.mandos.PonerPunteroMesa(Puntero::Normal);
    c.mandos.AnularZonaPuntero();
    OcultarBotonContinuar(c);
    e.ManoReabierta = false;

    // A. The end shown: the domino sign, every hand face up, the pips left counted.
    const Entero mover = e.JugadorTurno;
    CierreMano k;
    k.Domino = mover >= 1 && mover <= kAsientos && e.FichasEnMano[I(mover)] == 0;
    if (k.Domino) c.animacion.MostrarSenalDomino(mover);
    for (Entero p = 1; p <= kAsientos; ++p) c.dibujo.DibujarMano(p, true);
    k.Pips = PipsEnMano(e);
    e.GanadorMano = 0;

    // B. A blocked hand: the pips of every seat or pair, the winner or the tie.
    if (!k.Domino) {
        int lineas = 0;
        const std::string texto = TextoCierre(e, a, k, lineas);
        if (const auto fin = Preguntar(c, "C i e r r e", texto, lineas)) return *fin;
    }

    // C. The winner, the points and the tens, and the score-sheet entry.
    const bool parejas = EnParejas(a);
    if (!k.Repetir) {
        if (k.Domino) k.Ganador = parejas ? ParejaDe(mover) : mover;
        k.Puntos = PuntosDeLaMano(e, a, k.Ganador);
        e.GanadorMano = k.Ganador;

        std::string texto = "Puntos : " + Str(k.Puntos);
        if (a.SistemaAnotacion == Anotacion::Decenas) texto += "       Decenas : " + Str(DecenasDe(k.Puntos));
        texto += std::string(SaltoLinea) + LineaGanadorMano(a, k.Ganador);
        if (const auto fin = Preguntar(c, "Final de este juego", texto, 2)) return *fin;
        c.grabadora.MostrarGrabadora(false);
        EscribirAnotacion(e, a, k.Ganador);
    }

    // D. The score panel and the Continue button; then the totals and what comes next.
    c.dibujo.DibujarMarcadorMesa();
    c.avisos.DibujarBotonContinuar(1);
    if (!EsperarBotonContinuar(c)) return FinMano::Abandonada;
    return SeguirTrasMano(c);
}

bool FaltaAnotacion(const EstadoJuego& e, const Ajustes& a)
{
    const bool entreManos = e.PartidaEnCurso && !e.ManoEnCurso && !e.RepartiendoMano && !e.RepartoEnCurso &&
                            e.NumeroMano >= 1 && e.NumeroMano <= kManosLegibles;
    // A tie played again has no winner.
    return entreManos && GanadorValido(e, a) && !ManoAnotada(e);
}

bool AnotarManoTerminada(EstadoJuego& e, const Ajustes& a)
{
    if (!FaltaAnotacion(e, a)) return false;
    EscribirAnotacion(e, a, e.GanadorMano);
    return true;
}

FinMano SeguirTrasMano(Contexto& c)
{
    EstadoJuego& e = c.e;
    Ajustes& a = c.a;
    const bool repetir = ManoEmpatada(e);
    CalcularTotales(e, a);
    if (ComprobarFinPartida(e, a)) return TerminarPartida(c);
    // A deal left before its hand begins (at the five doubles, the lead) is undone: the match stands between
    // the hands as it did, and deals the same hand again when it goes on.
    const auto [mano, salida, ganador, repetirSalida] =
        std::tuple{e.NumeroMano, e.JugadorSalida, e.GanadorMano, e.RepetirSalida};
    if (repetir) PrepararRepeticionEmpate(e, a);
    // A replay keeps its hand's number; any other next hand past the last one ends the match.
    if (e.NumeroMano >= kManosPartida) return TerminarPorLimiteDeManos(c);

    switch (IniciarMano(c)) {
    case ResultadoReparto::Listo:
        return FinMano::Continuar;
    case ResultadoReparto::Abandonado:
        std::tie(e.NumeroMano, e.JugadorSalida, e.GanadorMano, e.RepetirSalida) =
            std::tuple{mano, salida, ganador, repetirSalida};
        return FinMano::Abandonada;
    case ResultadoReparto::ReglasNoValidas:
        break;
    }
    return FinMano::ReglasNoValidas;
}

} // namespace zp
