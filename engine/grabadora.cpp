#include "engine/grabadora.h"

#include "engine/disposicion_manos.h"
#include "engine/ficha.h"
#include "engine/indices.h"
#include "engine/sonidos.h"
#include "engine/turno.h"

namespace zp {

namespace {

void SumarPeso(EstadoJuego& e, Entero p, Entero numero, int cantidad)
{
    // Ends hold 9 before the first tile; such a record weighs nothing.
    if (!EsPunto(numero)) return;
    Entero& peso = e.PesoNumero[I(p)][I(numero)];
    peso = static_cast<Entero>(peso + cantidad);
}

// A move that could not be played lowers the weight of the numbers then open.
void CastigarExtremos(EstadoJuego& e, const RegistroJugada& r, int d)
{
    SumarPeso(e, r.Jugador, r.Extremo1, -6 * d);
    if (r.Extremo2 != r.Extremo1) SumarPeso(e, r.Jugador, r.Extremo2, -6 * d);
}

void PesarFicha(Contexto& c, Entero n, const RegistroJugada& r, int d)
{
    EstadoJuego& e = c.e;
    const Entero p = r.Jugador;
    if (n == 1) {
        SumarPeso(e, p, r.PuntoUnido, 4 * d);
        SumarPeso(e, p, r.PuntoAbierto, 4 * d);
        if (!(e.NumeroMano == 1 && c.a.PrimeraMano == Apertura::SeisDoble)) {
            SumarPeso(e, p, r.PuntoUnido, 3 * d);
            SumarPeso(e, p, r.PuntoAbierto, 3 * d);
        }
        return;
    }
    if (EnParejas(c.a) && n == 3) {
        const RegistroJugada& r1 = e.Jugadas[1];
        const RegistroJugada& r2 = e.Jugadas[2];
        if (r1.PuntoUnido == r1.PuntoAbierto && r2.Extremo != kExtremoPasa && r.PuntoUnido == r1.PuntoUnido)
            SumarPeso(e, p, r2.PuntoAbierto, -2 * d);
    }
    if (r.Eleccion == 0) {
        CastigarExtremos(e, r, d);
    } else if (r.PuntoUnido == r.PuntoAbierto) {
        SumarPeso(e, p, r.PuntoUnido, d);
    } else {
        SumarPeso(e, p, r.PuntoUnido, -2 * d);
        SumarPeso(e, p, r.PuntoAbierto, 3 * d);
    }
}

FalloJugada AplicarRobo(EstadoJuego& e, const RegistroJugada& r, bool aplicar)
{
    const auto p = I(r.Jugador);
    if (aplicar) {
        if (e.FichasMonton < 1) return FalloJugada::MontonAgotado;
        if (e.HuecosMano[p] >= kHuecos) return FalloJugada::ManoLlena;
        if (!EsPunto(r.PuntoUnido) || !EsPunto(r.PuntoAbierto)) return FalloJugada::FichaAusente;
        --e.FichasMonton;
        ++e.FichasEnMano[p];
        ++e.HuecosMano[p];
        e.Manos[p][I(e.HuecosMano[p])] = HuecoMano{r.PuntoUnido, r.PuntoAbierto, kEnMano};
        return FalloJugada::Ninguno;
    }
    // The drawn tile went to the last slot and is back in the hand by now; anything else would empty
    // another tile's slot.
    const std::optional<Entero> hueco = BuscarFichaEnMano(e, r.PuntoUnido, r.PuntoAbierto, r.Jugador);
    if (!hueco || *hueco != e.HuecosMano[p]) return FalloJugada::FichaAusente;
    if (e.Manos[p][I(*hueco)].Estado != kEnMano) return FalloJugada::FichaYaPuesta;
    if (e.FichasMonton >= kHuecosMonton) return FalloJugada::MontonAgotado;
    e.HuecoFicha = *hueco;
    ++e.FichasMonton;
    --e.FichasEnMano[p];
    e.Manos[p][I(*hueco)] = HuecoMano{};
    --e.HuecosMano[p];
    return FalloJugada::Ninguno;
}

FalloJugada AplicarFicha(Contexto& c, Entero n, const RegistroJugada& r, bool aplicar)
{
    EstadoJuego& e = c.e;
    const auto p = I(r.Jugador);
    const std::optional<Entero> hueco = BuscarFichaEnMano(e, r.PuntoUnido, r.PuntoAbierto, r.Jugador);
    if (!hueco) return FalloJugada::FichaAusente;
    HuecoMano& h = e.Manos[p][I(*hueco)];
    if (h.Estado != (aplicar ? kEnMano : kPuesta)) return FalloJugada::FichaYaPuesta;

    const int d = aplicar ? 1 : -1;
    const auto x = I(r.Extremo);
    e.HuecoFicha = *hueco;
    e.FichasEnMano[p] = static_cast<Entero>(e.FichasEnMano[p] - d);
    e.Linea.FichasEnExtremo[x] = static_cast<Entero>(e.Linea.FichasEnExtremo[x] + d);
    e.Linea.Extremos[x] = aplicar ? r.PuntoAbierto : r.PuntoUnido;
    h.Estado = aplicar ? kPuesta : kEnMano;
    if (n == 1) {
        // The first tile opens both ends; without it neither end shows a number.
        const auto otro = I(3 - r.Extremo);
        e.Linea.Extremos[otro] = aplicar ? r.PuntoUnido : kNinguna;
        if (!aplicar) e.Linea.Extremos[x] = kNinguna;
    }
    PesarFicha(c, n, r, d);
    return FalloJugada::Ninguno;
}

// The list's line of the last move in force, -1 before the first, shown after the step's pause.
void SeleccionarLineaActual(Contexto& c, bool adelante)
{
    c.grabadora.PasoListaJugadas(c.e.NumeroJugada > 1 ? c.e.NumeroJugada - 2 : -1, adelante);
}

} // namespace

FalloJugada AplicarJugadaGrabadora(Contexto& c, ModoGrabadora modo)
{
    EstadoJuego& e = c.e;
    const Entero n = e.NumeroJugada;
    if (n < 1 || n >= static_cast<int>(e.Jugadas.size())) return FalloJugada::ListaLlena;
    const RegistroJugada r = e.Jugadas[I(n)];
    if (r.Jugador < 1 || r.Jugador > kAsientos) return FalloJugada::JugadorNoValido;
    const bool aplicar = modo == ModoGrabadora::Aplicar;
    switch (r.Extremo) {
    case kExtremoRoba:
        return AplicarRobo(e, r, aplicar);
    case kExtremoPasa:
        c.animacion.MostrarPaso(r.Jugador);
        CastigarExtremos(e, r, aplicar ? 1 : -1);
        return FalloJugada::Ninguno;
    case 1:
    case 2:
        return AplicarFicha(c, n, r, aplicar);
    default:
        return FalloJugada::ExtremoNoValido;
    }
}

FalloJugada AvanzarGrabadora(Contexto& c)
{
    EstadoJuego& e = c.e;
    const Entero n = e.NumeroJugada;
    if (n < 1 || n >= e.PosicionGrabadora) return FalloJugada::ListaLlena;
    const FalloJugada f = AplicarJugadaGrabadora(c, ModoGrabadora::Aplicar);
    if (f != FalloJugada::Ninguno) return f;

    const RegistroJugada& r = e.Jugadas[I(n)];
    if (r.Extremo == 1 || r.Extremo == 2) {
        const auto x = I(r.Extremo);
        e.Linea.DireccionExtremo[x] = r.DireccionDespues;
        c.animacion.AnimarJugada(n);
        e.Linea.XExtremo[x] = r.XExtremoDespues;
        e.Linea.YExtremo[x] = r.YExtremoDespues;
    }
    if (r.Extremo == kExtremoRoba) {
        c.animacion.AnimarRobarFicha(n);
        ++e.NumeroJugada;
    } else {
        AvanzarTurno(e, c.a);
        c.avisos.DibujarBotonContinuar(1);
    }
    SeleccionarLineaActual(c, true);
    return FalloJugada::Ninguno;
}

FalloJugada RetrocederGrabadora(Contexto& c)
{
    EstadoJuego& e = c.e;
    if (e.NumeroJugada < 2 || e.NumeroJugada > static_cast<int>(e.Jugadas.size()))
        return FalloJugada::ListaLlena;
    const Entero numeroAntes = e.NumeroJugada;
    const Entero turnoAntes = e.JugadorTurno;
    const Entero n = static_cast<Entero>(numeroAntes - 1);
    const RegistroJugada& r = e.Jugadas[I(n)];
    if (r.Extremo == kExtremoRoba) {
        e.NumeroJugada = n;
    } else if (!RetrocederTurno(e, c.a)) {
        return FalloJugada::JugadorNoValido;
    }
    const FalloJugada f = AplicarJugadaGrabadora(c, ModoGrabadora::Deshacer);
    if (f != FalloJugada::Ninguno) {
        e.NumeroJugada = numeroAntes;
        e.JugadorTurno = turnoAntes;
        return f;
    }

    if (r.Extremo == 1 || r.Extremo == 2) {
        const auto x = I(r.Extremo);
        e.Linea.DireccionExtremo[x] = r.DireccionAntes;
        e.Linea.XExtremo[x] = r.XExtremoAntes;
        e.Linea.YExtremo[x] = r.YExtremoAntes;
        c.animacion.DeshacerJugada(n);
    }
    if (r.Extremo == kExtremoRoba) {
        const auto desde = CalcularPosicionFichaMano(e, c.a, c.pantalla, r.Jugador, e.HuecoFicha);
        c.dibujo.DibujarMano(r.Jugador);
        if (desde) c.animacion.DevolverFichaAlMonton(desde->X, desde->Y, r.XFicha, r.YFicha);
        c.dibujo.DibujarMonton();
        c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Ficha);
    } else {
        c.avisos.DibujarBotonContinuar(1);
    }
    SeleccionarLineaActual(c, false);
    return FalloJugada::Ninguno;
}

FalloJugada IrAlFinalGrabadora(Contexto& c)
{
    EstadoJuego& e = c.e;
    // The remote shows the hourglass, and keeps it, while the hand is replayed.
    c.grabadora.PonerPunteroGrabadora(Puntero::Reloj);
    c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Pulsar);

    FalloJugada f = FalloJugada::Ninguno;
    while (e.NumeroJugada < e.PosicionGrabadora && f == FalloJugada::Ninguno) f = AvanzarGrabadora(c);

    c.grabadora.EncenderGrabadora(false);
    if (!ListaJugadasVisible(e, c.a)) c.grabadora.MostrarListaJugadas(false);
    if (e.NumeroJugada == 1) c.grabadora.MostrarGrabadora(false);
    c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Soltar);
    c.avisos.PonerPunteroContinuar(Puntero::Mano);
    if (e.NumeroJugada == e.PosicionGrabadora && e.ManoReabierta) {
        // Back at the end of a reopened hand: the match loop's wait ends and the hand ends again.
        e.EsperaContinuar = false;
        c.avisos.OcultarBotonContinuar();
    }
    c.grabadora.PonerPunteroGrabadora(Puntero::Normal);
    e.GrabadoraActiva = false;
    return f;
}

} // namespace zp
