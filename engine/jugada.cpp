#include "engine/jugada.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "engine/geometria_linea.h"
#include "engine/geometria_monton.h"
#include "engine/grabadora.h"
#include "engine/indices.h"
#include "engine/lista_jugadas.h"

namespace zp {

namespace {

// The pointing hand blinks three times over the tile an automatic or remote player is about to lay.
constexpr int kVecesIndicacion = 3;
constexpr int kPausaManoVisible = 135;
constexpr int kPausaManoOculta = 105;

bool NumeroValido(Entero n)
{
    return n >= 1 && n <= kMaximoJugadas;
}

void IndicarFicha(Contexto& c, Entero p, Entero hueco)
{
    const PuntoMesa punto = CalcularPosicionManoIndicadora(c.e, c.pantalla, p, hueco);
    for (int vez = 0; vez < kVecesIndicacion; ++vez) {
        c.animacion.DibujarManoIndicadora(p, punto.X, punto.Y);
        c.dibujo.Refrescar();
        c.ritmo.HacerPausa(kPausaManoVisible);
        c.dibujo.DibujarMano(p);
        c.ritmo.HacerPausa(kPausaManoOculta);
    }
}

// The tile as it will be laid, worked out before anything changes so that a refused move leaves no trace.
struct Orientacion
{
    Entero FichaA = kNinguna, FichaB = kNinguna, Extremo = kNinguna;
    FalloJugada fallo = FalloJugada::Ninguno;
};

Orientacion Orientar(const EstadoJuego& e, Entero p)
{
    Orientacion o{e.FichaA, e.FichaB, e.ExtremoElegido};
    const auto& x = e.Linea.Extremos;
    if (e.NumeroJugada == 1) {
        // The first tile hangs on both ends; it always arrives at end 1.
        o.Extremo = 1;
        const bool menorPrimero = p == 1 || p == 2;
        if (o.FichaA != o.FichaB && (menorPrimero ? o.FichaA > o.FichaB : o.FichaA < o.FichaB))
            std::swap(o.FichaA, o.FichaB);
        return o;
    }
    if (x[1] == x[2]) {
        o.Extremo = e.Linea.FichasEnExtremo[1] >= e.Linea.FichasEnExtremo[2] ? 2 : 1;
        // The choosers already put the matching pip first; a tile given the other way round is turned
        // rather than laid with a pip that does not meet the end.
        if (o.FichaA != x[1] && o.FichaB == x[1]) std::swap(o.FichaA, o.FichaB);
    } else if (o.FichaA != x[I(o.Extremo)]) {
        std::swap(o.FichaA, o.FichaB);
    }
    if (o.FichaA != x[I(o.Extremo)]) o.fallo = FalloJugada::NoEncaja;
    return o;
}

} // namespace

std::optional<Entero> BuscarFichaEnMano(const EstadoJuego& e, Entero a, Entero b, Entero p)
{
    if (!EsAsiento(p)) return std::nullopt;
    const auto& mano = e.Manos[I(p)];
    std::optional<Entero> hueco;
    for (int s = 1; s <= HuecosDe(e, p); ++s) {
        const HuecoMano& h = mano[I(s)];
        if ((h.PuntoA == a && h.PuntoB == b) || (h.PuntoA == b && h.PuntoB == a)) hueco = E(s);
    }
    return hueco;
}

void GirarFicha(EstadoJuego& e)
{
    std::swap(e.FichaA, e.FichaB);
}

bool ComprobarFichaJugable(const EstadoJuego& e, const Ajustes& a, Entero hueco)
{
    const Entero p = e.JugadorTurno;
    if (!EsAsiento(p) || hueco < 1 || hueco > HuecosDe(e, p)) return false;
    const HuecoMano& h = e.Manos[I(p)][I(hueco)];
    if (h.Estado != kEnMano) return false;
    if (e.NumeroJugada != 1) {
        const auto& x = e.Linea.Extremos;
        return h.PuntoA == x[1] || h.PuntoA == x[2] || h.PuntoB == x[1] || h.PuntoB == x[2];
    }
    if (e.NumeroMano == 1 && a.PrimeraMano == Apertura::SeisDoble && a.TurnoSalida != ReglaSalida::Elegida) {
        // The match opens with the opening tile, and only from the hand that holds it.
        return BuscarFichaEnMano(e, e.SalidaA, e.SalidaB, p) == hueco;
    }
    return true;
}

FalloJugada RegistrarJugada(Contexto& c)
{
    EstadoJuego& e = c.e;
    const Entero n = e.NumeroJugada;
    const Entero p = e.JugadorTurno;
    const Entero extremo = e.ExtremoElegido;
    if (!NumeroValido(n)) return FalloJugada::ListaLlena;
    if (!EsAsiento(p)) return FalloJugada::JugadorNoValido;
    const bool ficha = extremo == 1 || extremo == 2;
    if (!ficha && extremo != kExtremoRoba && extremo != kExtremoPasa) return FalloJugada::ExtremoNoValido;
    if (extremo == kExtremoRoba && (e.FichasMonton < 1 || e.FichasMonton > kHuecosMonton))
        return FalloJugada::MontonAgotado;

    // First bound 0..40, from record 40 on 0..90, then as far as the two-digit move number goes; records
    // are kept.
    if (n >= 40 && e.Jugadas.size() < 91) e.Jugadas.resize(91);
    if (n >= static_cast<int>(e.Jugadas.size())) e.Jugadas.resize(I(n + 1));

    RegistroJugada& r = e.Jugadas[I(n)];
    const ColocacionFicha& col = e.Colocacion;
    r.Jugador = p;
    r.PuntoUnido = e.FichaA;
    r.PuntoAbierto = e.FichaB;
    r.Extremo = extremo;
    r.Eleccion = e.EleccionTurno ? -1 : 0;
    r.XFicha = col.XFicha;
    r.YFicha = col.YFicha;
    r.AnchoFicha = col.AnchoFicha;
    r.AltoFicha = col.AltoFicha;
    r.LadoMesa = col.LadoMesa;
    r.XSpriteFicha = col.XSpriteFicha;
    r.XMitad1 = col.XMitad1;
    r.YMitad1 = col.YMitad1;
    r.XMitad2 = col.XMitad2;
    r.YMitad2 = col.YMitad2;
    r.GiroFicha = col.GiroFicha;
    r.EsDoble = e.EsDoble;
    r.DobleAtravesado = col.DobleAtravesado ? -1 : 0;
    r.Extremo1 = e.Linea.Extremos[1];
    r.Extremo2 = e.Linea.Extremos[2];
    r.DireccionAntes = e.DireccionAnterior;
    if (extremo == kExtremoRoba) {
        const FichaMonton& m = e.Monton[I(e.FichasMonton)];
        r.PuntoUnido = m.PuntoA;
        r.PuntoAbierto = m.PuntoB;
        r.XFicha = col.XFichaRobada;
        r.YFicha = col.YFichaRobada;
    } else if (ficha) {
        const auto x = I(extremo);
        r.DireccionDespues = e.Linea.DireccionExtremo[x];
        r.XExtremoAntes = e.Linea.XExtremo[x];
        r.YExtremoAntes = e.Linea.YExtremo[x];
        r.XExtremoDespues = col.PosX;
        r.YExtremoDespues = col.PosY;
    }
    AnadirLineaListaJugadas(c, n);
    return FalloJugada::Ninguno;
}

FalloJugada EjecutarJugada(Contexto& c)
{
    EstadoJuego& e = c.e;
    const Entero p = e.JugadorTurno;
    if (!EsAsiento(p)) return FalloJugada::JugadorNoValido;
    if (!NumeroValido(e.NumeroJugada)) return FalloJugada::ListaLlena;

    if (e.ExtremoElegido == kExtremoPasa) {
        const FalloJugada f = RegistrarJugada(c);
        if (f != FalloJugada::Ninguno) return f;
        return AplicarJugadaGrabadora(c, ModoGrabadora::Aplicar);
    }
    if (e.ExtremoElegido != 1 && e.ExtremoElegido != 2) return FalloJugada::ExtremoNoValido;

    // A tile the hand does not hold must not lay whatever sits in another slot.
    const std::optional<Entero> hueco = BuscarFichaEnMano(e, e.FichaA, e.FichaB, p);
    if (!hueco) return FalloJugada::FichaAusente;
    if (e.Manos[I(p)][I(*hueco)].Estado != kEnMano) return FalloJugada::FichaYaPuesta;
    const Orientacion o = Orientar(e, p);
    if (o.fallo != FalloJugada::Ninguno) return o.fallo;

    e.HuecoFicha = *hueco;
    if (!e.JugadaElegida) IndicarFicha(c, p, *hueco);
    e.EsDoble = e.FichaA == e.FichaB ? -1 : 0;
    e.FichaA = o.FichaA;
    e.FichaB = o.FichaB;
    e.ExtremoElegido = o.Extremo;
    if (e.NumeroJugada == 1) e.Linea.Extremos[2] = e.FichaA;

    const auto x = I(e.ExtremoElegido);
    ColocacionFicha& col = e.Colocacion;
    col.PosX = e.Linea.XExtremo[x];
    col.PosY = e.Linea.YExtremo[x];
    const Entero anterior = BuscarJugadaAnteriorExtremo(e.Jugadas, e.NumeroJugada, e.ExtremoElegido);
    col.DobleAtravesado = e.EsDoble != 0;
    e.DireccionAnterior = e.Linea.DireccionExtremo[x];
    const Entero d = e.Linea.DireccionExtremo[x];
    if (d >= kHaciaIzquierda && d <= kHaciaAbajo &&
        PasaLimiteGiro(d, e.Linea.LimiteGiro[x][I(d)], col.PosX, col.PosY)) {
        DoblarLinea(e, anterior);
    }
    CalcularRectanguloFichaLinea(e, anterior, c.pantalla.CentroX);
    const FalloJugada f = RegistrarJugada(c);
    assert(f == FalloJugada::Ninguno); // everything it checks was checked above
    if (f != FalloJugada::Ninguno) return f;
    e.Linea.XExtremo[x] = col.PosX;
    e.Linea.YExtremo[x] = col.PosY;
    c.mandos.InhabilitarBotonAyuda();
    const FalloJugada aplicada = AplicarJugadaGrabadora(c, ModoGrabadora::Aplicar);
    assert(aplicada == FalloJugada::Ninguno);
    c.animacion.AnimarJugada(e.NumeroJugada);
    if (!c.a.JuegoEnRed) {
        c.grabadora.MostrarGrabadora(true);
        if (ListaJugadasVisible(e, c.a)) c.grabadora.MostrarListaJugadas(true);
    }
    return aplicada;
}

FalloJugada RobarFicha(Contexto& c)
{
    EstadoJuego& e = c.e;
    const Entero p = e.JugadorTurno;
    if (!EsAsiento(p)) return FalloJugada::JugadorNoValido;
    if (!NumeroValido(e.NumeroJugada)) return FalloJugada::ListaLlena;
    if (e.FichasMonton <= c.a.RemanentesMonton || e.FichasMonton < 1) return FalloJugada::MontonAgotado;
    if (e.HuecosMano[I(p)] >= kHuecos) return FalloJugada::ManoLlena;

    SituarFichaRobada(e, c.a, ElegirLadoMonton(c.a), c.pantalla);
    e.ExtremoElegido = kExtremoRoba;
    FalloJugada f = RegistrarJugada(c);
    if (f == FalloJugada::Ninguno) f = AplicarJugadaGrabadora(c, ModoGrabadora::Aplicar);
    if (f != FalloJugada::Ninguno) return f;
    c.animacion.AnimarRobarFicha(e.NumeroJugada);
    ++e.NumeroJugada;
    return FalloJugada::Ninguno;
}

PuntoMesa CalcularPosicionManoIndicadora(const EstadoJuego& e, const Pantalla& pantalla, Entero p,
                                         Entero hueco)
{
    assert(EsAsiento(p));
    if (!EsAsiento(p)) return {};
    const DisposicionManos& d = e.Disposicion;
    const int paso = (hueco - 1) * d.SeparacionFichas[I(p)];
    const int inicio = d.InicioMano[I(p)];
    switch (p) {
    case 1:
        return {1, E(inicio + paso + 2)};
    case 2:
        return {E(inicio + paso + 2), 0};
    case 3:
        return {E(pantalla.AnchoMesa - 33), E(inicio + paso + 2)};
    default:
        if (e.ManoHolgada[4]) return {E(inicio + (hueco - 1) * 44 + 4), E(pantalla.AltoPantalla - 33)};
        return {E(inicio + paso - 4), E(pantalla.AltoPantalla - 33)};
    }
}

} // namespace zp
