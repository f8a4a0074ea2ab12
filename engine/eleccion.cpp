#include "engine/eleccion.h"

#include <algorithm>
#include <cassert>

#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/redondeo.h"

namespace zp {

namespace {

// The last slot of seat p holding a-b either way round, laid or not; the hand's last slot when it has none,
// so that a lead always names a tile of the hand.
Entero HuecoDeFicha(const EstadoJuego& e, Entero a, Entero b, Entero p)
{
    return BuscarFichaEnMano(e, a, b, p).value_or(static_cast<Entero>(HuecosDe(e, p)));
}

} // namespace

ListaCandidatas ListarCandidatas(const EstadoJuego& e, Entero mover)
{
    ListaCandidatas l;
    const Entero e1 = e.Linea.Extremos[1], e2 = e.Linea.Extremos[2];
    // Without a branch per pip: every turn lists twice, and which tiles fit is anybody's guess.
    int n = 0;
    for (int s = 1; s <= HuecosDe(e, mover); ++s) {
        const HuecoMano& h = e.Manos[I(mover)][I(s)];
        const bool enMano = h.Estado == kEnMano;
        const bool porA = enMano & ((h.PuntoA == e1) | (h.PuntoA == e2));
        const bool porB = enMano & (h.PuntoA != h.PuntoB) & ((h.PuntoB == e1) | (h.PuntoB == e2));
        l.Candidatas[I(n + 1)] = Candidata{h.PuntoA, h.PuntoB};
        n += porA;
        l.Candidatas[I(n + 1)] = Candidata{h.PuntoB, h.PuntoA};
        n += porB;
    }
    l.Cantidad = n;
    return l;
}

Entero ElegirFichaSalida(const EstadoJuego& e, const Ajustes& a, Entero mover)
{
    const auto C = [&](int x) { return e.CuentaNumeros[I(mover)][I(x)]; };
    const auto& orden = e.NumerosOrdenados[I(mover)];
    const auto hueco = [&](int x, int y) {
        return HuecoDeFicha(e, static_cast<Entero>(x), static_cast<Entero>(y), mover);
    };

    std::array<int, 7> dobles{};
    int cuantos = 0;
    for (int d = 0; d <= 6; ++d)
        if (e.PoseedorDoble[I(d)] == mover) dobles[I(cuantos++)] = d;

    Entero s = 0;
    const int doblesJugador = e.DoblesJugador[I(mover)];
    if (doblesJugador == 1 && cuantos >= 1) {
        const int d = dobles[0];
        if (C(d) >= 2 && C(d) <= 4) {
            s = hueco(d, d);
        } else if (C(d) >= 5) {
            bool faltaAlguno = false;
            for (int x = 0; x <= 6; ++x) faltaAlguno = faltaAlguno || C(x) == 0;
            const int x = orden[2];
            const bool conservador = a.Jugador[I(mover)].CaracterJugador == Caracter::Conservador;
            s = (!faltaAlguno && C(x) == 3 && !conservador) ? hueco(d, x) : hueco(d, d);
        }
    } else if (doblesJugador == 2 && cuantos >= 2) {
        const int d1 = dobles[0], d2 = dobles[1];
        if (!(C(d1) <= 1 && C(d2) <= 1)) s = C(d1) <= C(d2) ? hueco(d2, d2) : hueco(d1, d1);
    } else if (doblesJugador >= 3) {
        for (int d = 6; d >= 0 && s == 0; --d)
            if (e.PoseedorDoble[I(d)] == mover && C(d) > 1) s = hueco(d, d);
    }

    if (s == 0) {
        // The commonest number joined to the best placed other number the hand has a tile for.
        const int m = orden[1];
        const int dadas = std::clamp<int>(a.FichasPorJugador, 0, kHuecos);
        for (int k = 7; k >= 1; --k) {
            const int x = orden[I(k)];
            if (x == m) continue;
            for (int t = 1; t <= dadas; ++t) {
                const HuecoMano& h = e.Manos[I(mover)][I(t)];
                if ((h.PuntoA == m && h.PuntoB == x) || (h.PuntoA == x && h.PuntoB == m))
                    s = static_cast<Entero>(t);
            }
        }
    }
    // Only a hand of seven doubles gets here, and it holds the double blank; should it not, its last tile
    // still leads rather than a tile from nowhere.
    if (s == 0) s = HuecoDeFicha(e, 0, 0, mover);
    return s;
}

int ProfundidadBusqueda(Entero nivel)
{
    const int d = nivel / 20 - 2;
    return d < 2 ? 0 : d;
}

int RevisarConFinalDeMano(const ResultadoFinalMano& r, int candidatas, int elegida, Entero nivel,
                          Caracter caracter, Entero fichasEnMano, bool parejas)
{
    assert(candidatas >= 1 && candidatas <= kMaximoCandidatas && elegida >= 1 && elegida <= candidatas);
    const auto P = [&](int n) { return r.PorcentajeGanadas[I(n)]; };
    const auto M = [&](int n) { return r.MediaPuntosGanados[I(n)]; };

    // The first candidate of the highest share; a later one must beat the share rounded to a whole number.
    int mejor = 0, otra = 0, seguras = 0;
    for (int n = 1; n <= candidatas; ++n) {
        if (P(n) > static_cast<float>(mejor)) {
            mejor = RedondearAPar(P(n));
            otra = n;
        }
        if (P(n) == 100.0f) ++seguras;
    }
    if (otra == 0 || otra == elegida) return elegida;

    bool cambiar = false;
    const int umbral = 10 - 2 * Codigo(caracter) - (parejas ? 2 : 0);
    if (fichasEnMano == 2 && nivel == 100 && RedondearAPar(P(otra) - P(elegida)) > umbral) cambiar = true;
    if (nivel == 100 && P(elegida) < 100.0f && P(otra) == 100.0f) cambiar = true;
    if (nivel == 100 && caracter == Caracter::Agresivo && P(elegida) == 0.0f && P(otra) > 0.0f)
        cambiar = true;
    if (nivel >= 96 && seguras >= 2) {
        // A sure win worth clearly more than the scored move's; the later one on equal means.
        float referencia = M(elegida);
        const auto minimo = static_cast<float>(1.1 * static_cast<double>(M(elegida)));
        for (int n = 1; n <= candidatas; ++n) {
            if (P(n) == 100.0f && M(n) >= referencia && M(n) > minimo) {
                otra = n;
                referencia = M(n);
                cambiar = true;
            }
        }
    }
    return cambiar ? otra : elegida;
}

bool ExplorarConPresupuesto(const EstadoJuego& e, const Ajustes& a, ResultadoFinalMano& r)
{
    return ExplorarFinalDeMano(e, a, r).Fin == FinBusqueda::Completa;
}

void ElegirJugada(Contexto& c)
{
    ElegirJugada(c, ExplorarConPresupuesto);
}

void ElegirJugada(Contexto& c, const ExploradorFinal& explorar)
{
    EstadoJuego& e = c.e;
    const Ajustes& a = c.a;
    const Entero m = e.JugadorTurno;
    assert(m >= 1 && m <= 4);
    e.JugadasPosibles = 0;
    e.EleccionTurno = false;
    // A hint plays as the strongest player; the seat's own level is only read, never changed.
    const Entero nivel = e.ModoAyuda ? Entero{100} : a.Jugador[I(m)].NivelJugador;
    const bool marcar = !e.SoloContar && !e.ModoAyuda && !e.JugadaElegida;

    if (e.NumeroJugada == 1) {
        if (e.NumeroMano == 1 && a.PrimeraMano == Apertura::SeisDoble &&
            a.TurnoSalida != ReglaSalida::Elegida) {
            e.FichaA = e.SalidaA;
            e.FichaB = e.SalidaB;
            e.ExtremoElegido = 1;
            e.JugadasPosibles = 1;
            return;
        }
        const HuecoMano& h = e.Manos[I(m)][I(ElegirFichaSalida(e, a, m))];
        e.FichaA = h.PuntoA;
        e.FichaB = h.PuntoB;
        e.ExtremoElegido = 1;
        e.JugadasPosibles = 99;
        if (marcar) c.animacion.IndicarFichas(m);
        return;
    }

    const ListaCandidatas lista = ListarCandidatas(e, m);
    e.JugadasPosibles = static_cast<Entero>(lista.Cantidad);
    // The last tile fitting both ends is one move, played by its first pip.
    if (e.FichasEnMano[I(m)] == 1 && lista.Cantidad == 2) e.JugadasPosibles = 1;
    if (e.JugadasPosibles == 0) {
        e.ExtremoElegido = kExtremoPasa;
        return;
    }

    int elegida = 1;
    // A counting run is wanted for how many tiles fit; the full run that follows in the same turn makes the
    // move, and overwrites this one's. Its scoring can only matter through the random number a weak
    // player's block judgement draws, so from the level where none is drawn it is not made.
    const bool contarSolo = e.SoloContar && nivel >= kNivelSinAzar;
    if (e.JugadasPosibles >= 2) {
        if (marcar) c.animacion.IndicarFichas(m);
        e.EleccionTurno = true;
    }
    if (e.JugadasPosibles >= 2 && !contarSolo) {
        const DatosEleccion d = PrepararEleccion(e, a, m, nivel);
        Entero mejor = 0;
        for (int n = 1; n <= e.JugadasPosibles; ++n) {
            const Entero p = PuntuarCandidata(e, a, d, lista.Candidatas[I(n)], c.azar);
            if (n == 1 || p > mejor) {
                mejor = p;
                elegida = n;
            }
        }
        const bool parejas = EnParejas(a);
        if (e.FichasEnMano[I(m)] <= ProfundidadBusqueda(nivel) &&
            (parejas || e.FichasMonton <= a.RemanentesMonton) && explorar) {
            ResultadoFinalMano r;
            if (explorar(e, a, r))
                elegida = RevisarConFinalDeMano(r, e.JugadasPosibles, elegida, nivel, d.CaracterJugador,
                                                e.FichasEnMano[I(m)], parejas);
        }
    }

    const Candidata& jugada = lista.Candidatas[I(elegida)];
    e.FichaA = jugada.A;
    e.FichaB = jugada.B;
    // Both ends showing the same pip: end 2.
    e.ExtremoElegido = e.FichaA == e.Linea.Extremos[2] ? 2 : 1;
}

} // namespace zp
