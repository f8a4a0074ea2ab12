#include "engine/reparto.h"

#include "engine/cinco_dobles.h"
#include "engine/disposicion_manos.h"
#include "engine/geometria_linea.h"
#include "engine/mensajes_red.h"
#include "engine/reglas.h"
#include "engine/reparto_manual.h"
#include "engine/salida.h"
#include "engine/sonidos.h"

namespace zp {

namespace {

constexpr int kPausaMano = 260;

int FichasRepartidas(const EstadoJuego& e)
{
    int n = 0;
    for (std::size_t p = 1; p <= 4; ++p) n += e.FichasEnMano[p];
    return n;
}

// Host: what a client sent before it could know this deal (a move or a five-doubles answer of the hand or
// match before, crossing on the wire) is dropped with it.
void EnviarReparto(Contexto& c)
{
    c.red.EnviarATodosRed(CrearMensajeReparto(c.almacen.GenerarCadenaSituacion()));
    c.red.ColaRed().clear();
}

// A client deals nothing: it waits for the host's deal of this hand (or a later one). A malformed payload
// and one for an older hand are dropped and the wait goes on.
Espera RecibirReparto(Contexto& c)
{
    EstadoJuego& e = c.e;
    const std::string texto = "Está pendiente de la comunicación del Administrador informando del reparto "
                              "inicial de fichas. Permanezca a la espera." +
                              std::string(SaltoLinea);
    std::optional<std::string> reparto;
    c.usuario.IniciarEspera();
    const Espera espera = c.red.EsperarRed([&] {
        c.usuario.MostrarEspera("Juego en red", texto, 5);
        while (!reparto) {
            std::optional<std::string> r = c.red.TomarReparto();
            if (!r) break;
            const std::optional<Entero> mano = LeerManoDeReparto(*r);
            if (mano && *mano >= e.NumeroMano) reparto = std::move(r);
        }
        return reparto.has_value();
    });
    if (espera == Espera::Abandonada) {
        c.usuario.OcultarEspera();
        return espera;
    }
    // The waiting panel stays up until the leader arrives.
    c.almacen.AplicarManosRecibidas(*reparto);
    return Espera::Cumplida;
}

void MostrarReparto(Contexto& c, const Ajustes& r)
{
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(r, p)) continue;
        c.dibujo.DibujarMano(static_cast<Entero>(p));
        if (r.SistemaReparto == FormaReparto::Aleatorio)
            c.ritmo.ReproducirSonido(ModoSonido::Esperar, sonido::Ficha);
        c.ritmo.HacerPausa(kPausaMano);
    }
    if (c.e.FichasMonton > 0) c.dibujo.DibujarMonton();
    c.dibujo.DibujarNombres();
}

} // namespace

void VaciarManos(EstadoJuego& e, const Ajustes& r)
{
    for (std::size_t p = 1; p <= 4; ++p) {
        for (std::size_t s = 1; s <= kHuecos; ++s) e.Manos[p][s] = HuecoMano{};
        e.FichasEnMano[p] = 0;
        e.HuecosMano[p] = r.FichasPorJugador;
        e.CuentaNumeros[p] = {};
        e.PesoNumero[p] = {};
    }
    for (std::size_t i = 1; i <= kHuecosMonton; ++i) e.Monton[i] = FichaMonton{};
    e.PoseedorDoble = {};
    e.FichasMonton = static_cast<Entero>(kFichasJuego - r.FichasPorJugador * r.NumeroJugadores);
}

void RepartirAlAzar(EstadoJuego& e, const Ajustes& r, Azar& azar)
{
    azar.SembrarDelReloj();
    std::array<bool, kFichasJuego + 1> barajada{};
    std::array<bool, kFichasJuego + 1> repartida{};
    std::array<Entero, kFichasJuego + 1> puntoA{}, puntoB{};

    // Shuffle: each tile, in order, to a free position drawn at random.
    for (Entero a = 0; a <= 6; ++a) {
        for (Entero b = 0; b <= a; ++b) {
            int i = 0;
            do {
                i = Aleatorio(azar, kFichasJuego);
            } while (barajada[static_cast<std::size_t>(i)]);
            barajada[static_cast<std::size_t>(i)] = true;
            puntoA[static_cast<std::size_t>(i)] = a;
            puntoB[static_cast<std::size_t>(i)] = b;
        }
    }

    // Deal: a random position still holding a tile to a random seat in play that still takes one.
    const int objetivo = r.FichasPorJugador * r.NumeroJugadores;
    while (FichasRepartidas(e) != objetivo) {
        std::size_t i = 0;
        do {
            i = static_cast<std::size_t>(Aleatorio(azar, kFichasJuego));
        } while (repartida[i]);
        std::size_t p = 0;
        do {
            p = static_cast<std::size_t>(Aleatorio(azar, 4));
        } while (!AsientoEnJuego(r, p) || e.FichasEnMano[p] >= r.FichasPorJugador);
        repartida[i] = true;
        ++e.FichasEnMano[p];
        e.Manos[p][static_cast<std::size_t>(e.FichasEnMano[p])] = HuecoMano{puntoA[i], puntoB[i], kEnMano};
    }

    // The rest, in shuffle order, make the stock.
    std::size_t k = 0;
    for (std::size_t i = 1; i <= kFichasJuego; ++i) {
        if (repartida[i]) continue;
        ++k;
        e.Monton[k] = FichaMonton{puntoA[i], puntoB[i]};
    }
}

void ContarManos(EstadoJuego& e, const Ajustes& r)
{
    Entero dobleMayor = -1;
    e.SalidaA = -1;
    e.SalidaB = -1;
    const bool primera = e.NumeroMano == 1;
    for (std::size_t p = 1; p <= 4; ++p) {
        e.DoblesJugador[p] = 0;
        if (!AsientoEnJuego(r, p)) {
            e.HuecosMano[p] = 0;
            continue;
        }
        for (std::size_t s = 1; s <= static_cast<std::size_t>(r.FichasPorJugador); ++s) {
            const Entero a = e.Manos[p][s].PuntoA;
            const Entero b = e.Manos[p][s].PuntoB;
            if (a >= 0 && a < 7) ++e.CuentaNumeros[p][static_cast<std::size_t>(a)];
            if (b != a && b >= 0 && b < 7) ++e.CuentaNumeros[p][static_cast<std::size_t>(b)];
            if (primera) {
                if (a != b) {
                    if (a + b > e.SalidaA + e.SalidaB || (a + b == e.SalidaA + e.SalidaB && a > e.SalidaA)) {
                        e.SalidaA = a;
                        e.SalidaB = b;
                    }
                } else if (a > dobleMayor) {
                    dobleMayor = a;
                }
            }
            if (a == b && a >= 0 && a < 7) {
                e.PoseedorDoble[static_cast<std::size_t>(a)] = static_cast<Entero>(p);
                ++e.DoblesJugador[p];
            }
        }
    }
    if (primera && dobleMayor >= 0) {
        e.SalidaA = dobleMayor;
        e.SalidaB = dobleMayor;
    }
}

void OrdenarNumeros(EstadoJuego& e, const Ajustes& r)
{
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(r, p)) continue;
        std::size_t k = 0;
        for (int cuenta = 7; cuenta >= 0; --cuenta)
            for (int n = 6; n >= 0; --n)
                if (e.CuentaNumeros[p][static_cast<std::size_t>(n)] == cuenta && k < 7)
                    e.NumerosOrdenados[p][++k] = static_cast<Entero>(n);
    }
}

namespace {

ResultadoReparto RepartirMano(Contexto& c)
{
    EstadoJuego& e = c.e;
    for (;;) {
        if (ValidarReglas(c.a) != FalloReglas::Ninguno) return ResultadoReparto::ReglasNoValidas;
        // The hand is dealt under the rules as they stand now; a change meanwhile waits for the next hand.
        const Ajustes r = c.a;

        c.dibujo.LimpiarMesa();
        c.grabadora.MostrarGrabadora(false);
        c.grabadora.RecortarListaJugadas(0);
        c.grabadora.MostrarListaJugadas(false);
        c.dibujo.Refrescar();
        c.dibujo.DibujarMarcadorMesa();
        e.EsperaContinuar = false;
        c.avisos.OcultarBotonContinuar();
        if (r.SistemaReparto == FormaReparto::Aleatorio)
            c.ritmo.ReproducirSonido(ModoSonido::Esperar, sonido::Barajar);

        ++e.NumeroMano;
        e.RepartiendoMano = true;
        e.NumeroJugada = 0;
        VaciarManos(e, r);
        CalcularDisposicionManos(c);

        const bool cliente = r.JuegoEnRed && r.ModoRed == PapelRed::Cliente;
        if (!cliente && r.SistemaReparto == FormaReparto::Manual) {
            const FinRepartoManual fin = RepartirAMano(c, r);
            if (fin == FinRepartoManual::Abandonado) return ResultadoReparto::Abandonado;
            if (fin == FinRepartoManual::CambioAleatorio) {
                --e.NumeroMano;
                continue;
            }
        } else if (!cliente) {
            RepartirAlAzar(e, r, c.azar);
        }
        if (r.JuegoEnRed && r.ModoRed == PapelRed::Administrador) EnviarReparto(c);
        if (cliente && RecibirReparto(c) == Espera::Abandonada) return ResultadoReparto::Abandonado;

        ContarManos(e, r);
        if (e.NumeroMano == 1) ElegirPrimeraSalida(e, r, c.azar);
        MostrarReparto(c, r);

        const DecisionCincoDobles dobles = AplicarCincoDobles(c, r);
        if (dobles == DecisionCincoDobles::Abandonada) return ResultadoReparto::Abandonado;
        if (dobles == DecisionCincoDobles::Rechazadas) {
            --e.NumeroMano;
            continue;
        }

        OrdenarNumeros(e, r);
        e.Linea.Extremos[1] = e.Linea.Extremos[2] = kNinguna;
        e.Linea.FichasEnExtremo[1] = e.Linea.FichasEnExtremo[2] = 0;
        if (DecidirSalida(c, r) == Espera::Abandonada) return ResultadoReparto::Abandonado;

        PrepararInicioLinea(e.Linea, e.JugadorSalida, c.pantalla);
        e.EsperaExtremo = false;
        e.Jugadas.assign(41, RegistroJugada{});
        e.ManoEnCurso = true;
        AjustarNumerosFavoritos(e, c.azar);
        return ResultadoReparto::Listo;
    }
}

} // namespace

ResultadoReparto IniciarMano(Contexto& c)
{
    const ResultadoReparto r = RepartirMano(c);
    c.e.RepartiendoMano = false;
    return r;
}

} // namespace zp
