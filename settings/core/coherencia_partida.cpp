#include "settings/core/coherencia_partida.h"

#include "engine/ficha.h"
#include "engine/fin_mano.h"
#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/reglas.h"
#include "settings/core/columnas_estado.h"

#include <array>

namespace zp {
namespace {

std::string Asiento(int p)
{
    return "el jugador " + std::to_string(p);
}

std::string DelAsiento(int p)
{
    return "del jugador " + std::to_string(p);
}

std::string Ficha(int a, int b)
{
    return "la ficha " + std::to_string(a) + "-" + std::to_string(b);
}

// Each tile of the set once: counted here by its two pips, either way round.
class Recuento
{
public:
    int Anotar(int a, int b) { return ++veces_[I(IndiceFicha(a, b))]; }
    FalloLectura Comprobar() const
    {
        // A tile twice first: that is what an edit does, and the tile it displaced is then missing.
        for (const bool repetidas : {true, false}) {
            for (int a = 0; a <= 6; ++a) {
                for (int b = 0; b <= a; ++b) {
                    const int n = veces_[I(IndiceFicha(a, b))];
                    if (repetidas && n > 1) return Ficha(a, b) + " está " + std::to_string(n) + " veces";
                    if (!repetidas && n == 0) return Ficha(a, b) + " no está en ninguna mano ni en el montón";
                }
            }
        }
        return std::nullopt;
    }

private:
    std::array<int, 28> veces_{};
};

FalloLectura ComprobarAnotaciones(const EstadoJuego& j, int ultima)
{
    for (int i = 1; i <= ultima; ++i)
        if (auto f = ComprobarCampos(TablaMarcador(), j.Anotaciones[I(i)]))
            return "la anotación de la mano " + std::to_string(i) + ": " + *f;
    return std::nullopt;
}

// The winner of the last hand: a pair code in pairs play, a seat in play otherwise; 0 for none or a tie.
bool GanadorValido(const EstadoJuego& j, const Ajustes& a)
{
    if (j.GanadorMano == 0) return true;
    return EnParejas(a) ? j.GanadorMano == 1 || j.GanadorMano == 2 : AsientoEnJuego(a, j.GanadorMano);
}

FalloLectura ComprobarMano(const EstadoJuego& j, const Ajustes& a, int p, Recuento& fichas, int& puestas)
{
    const auto& mano = j.Manos[I(p)];
    const int huecos = j.HuecosMano[I(p)];
    if (!AsientoEnJuego(a, p)) {
        if (huecos != 0 || j.FichasEnMano[I(p)] != 0)
            return Asiento(p) + " no juega y tiene fichas en la mano";
    }
    int enMano = 0;
    for (int s = 1; s <= kHuecos; ++s) {
        const HuecoMano& h = mano[I(s)];
        const std::string hueco = "el hueco " + std::to_string(s) + " " + DelAsiento(p);
        if (s > huecos) {
            if (h.PuntoA != kNinguna || h.PuntoB != kNinguna || h.Estado != kVacio)
                return hueco + " debería estar vacío";
            continue;
        }
        if (h.Estado != kEnMano && h.Estado != kPuesta) return hueco + " está vacío dentro de la mano";
        if (!EsPunto(h.PuntoA) || !EsPunto(h.PuntoB)) return hueco + " tiene una ficha que no existe";
        fichas.Anotar(h.PuntoA, h.PuntoB);
        (h.Estado == kEnMano ? enMano : puestas) += 1;
    }
    if (enMano != j.FichasEnMano[I(p)])
        return Asiento(p) + " tiene " + std::to_string(enMano) + " fichas y se anotan " +
               std::to_string(j.FichasEnMano[I(p)]);
    return std::nullopt;
}

FalloLectura ComprobarLinea(const ExtremosLinea& l, int puestas)
{
    for (int e = 1; e <= 2; ++e) {
        const auto E = I(e);
        if (puestas == 0 ? l.Extremos[E] != kNinguna : !EsPunto(l.Extremos[E]))
            return "el extremo " + std::to_string(e) + " de la línea no corresponde a las fichas puestas";
        if (l.FichasEnExtremo[E] < 0) return "el extremo " + std::to_string(e) + " tiene fichas negativas";
    }
    if (l.FichasEnExtremo[1] + l.FichasEnExtremo[2] != puestas)
        return "la línea cuenta " + std::to_string(l.FichasEnExtremo[1] + l.FichasEnExtremo[2]) +
               " fichas y hay " + std::to_string(puestas) + " puestas";
    return std::nullopt;
}

// The moves of the hand must be what put the table as it is: every tile laid by one move of the seat that
// holds it, every drawn tile in the drawer's hand. The recorder takes them back one by one.
FalloLectura ComprobarJugadas(const EstadoJuego& j, const Ajustes& a, int puestas)
{
    Recuento puestasEnJugadas;
    int movidas = 0;
    for (int i = 1; i < j.NumeroJugada; ++i) {
        const RegistroJugada& r = j.Jugadas[I(i)];
        const std::string jugada = "la jugada " + std::to_string(i);
        if (auto f = ComprobarCampos(TablaJugadas(), r)) return jugada + ": " + *f;
        if (!AsientoEnJuego(a, r.Jugador)) return jugada + " es " + DelAsiento(r.Jugador) + ", que no juega";
        if (r.Extremo == kExtremoPasa) continue;
        if (!EsPunto(r.PuntoUnido) || !EsPunto(r.PuntoAbierto)) return jugada + " no tiene ficha";
        const auto hueco = BuscarFichaEnMano(j, r.PuntoUnido, r.PuntoAbierto, r.Jugador);
        if (!hueco)
            return jugada + " usa " + Ficha(r.PuntoUnido, r.PuntoAbierto) + ", que su jugador no tiene";
        if (r.Extremo == kExtremoRoba) continue;
        if (j.Manos[I(r.Jugador)][I(*hueco)].Estado != kPuesta)
            return jugada + " pone " + Ficha(r.PuntoUnido, r.PuntoAbierto) + ", que sigue en la mano";
        if (puestasEnJugadas.Anotar(r.PuntoUnido, r.PuntoAbierto) > 1)
            return jugada + " pone otra vez " + Ficha(r.PuntoUnido, r.PuntoAbierto);
        ++movidas;
    }
    // Each laid tile by one move at most, as many moves as laid tiles: none was laid without its move.
    if (movidas != puestas)
        return std::to_string(movidas) + " jugadas ponen ficha y hay " + std::to_string(puestas) + " puestas";
    return std::nullopt;
}

FalloLectura ComprobarManoEnCurso(const EstadoJuego& j, const Ajustes& a)
{
    if (j.NumeroJugada < 1 || j.NumeroJugada > kMaximoJugadas + 1)
        return "el número de jugada " + std::to_string(j.NumeroJugada) + " no es de una mano en juego";
    VistaEstado vista{const_cast<EstadoJuego&>(j), const_cast<Ajustes&>(a)};
    if (auto f = ComprobarCampos(TablaSituacion(), vista)) return f;
    if (!AsientoEnJuego(a, j.JugadorTurno))
        return "el turno es " + DelAsiento(j.JugadorTurno) + ", que no juega";
    if (!AsientoEnJuego(a, j.JugadorSalida)) return "salió " + Asiento(j.JugadorSalida) + ", que no juega";

    Recuento fichas;
    int puestas = 0;
    for (int p = 1; p <= kAsientos; ++p)
        if (auto f = ComprobarMano(j, a, p, fichas, puestas)) return f;
    for (int i = 1; i <= j.FichasMonton; ++i) {
        const FichaMonton& m = j.Monton[I(i)];
        if (!EsPunto(m.PuntoA) || !EsPunto(m.PuntoB))
            return "el hueco " + std::to_string(i) + " del montón no tiene ficha";
        fichas.Anotar(m.PuntoA, m.PuntoB);
    }
    if (auto f = fichas.Comprobar()) return f;
    if (auto f = ComprobarLinea(j.Linea, puestas)) return f;
    return ComprobarJugadas(j, a, puestas);
}

} // namespace

FalloLectura ComprobarPartida(const EstadoJuego& j, const Ajustes& a)
{
    if (ValidarReglas(a) != FalloReglas::Ninguno)
        return std::string("los jugadores y las normas no permiten jugarla");
    if (j.NumeroMano < 1 || j.NumeroMano > kManosLegibles)
        return "el número de mano " + std::to_string(j.NumeroMano) + " está fuera de su intervalo";
    if (!GanadorValido(j, a)) return "el ganador de la última mano no es ningún jugador";
    if (!j.ManoEnCurso) {
        if (!AsientoEnJuego(a, j.JugadorSalida))
            return "salió " + Asiento(j.JugadorSalida) + ", que no juega";
        return ComprobarAnotaciones(j, j.NumeroMano);
    }
    if (auto f = ComprobarAnotaciones(j, j.NumeroMano - 1)) return f;
    return ComprobarManoEnCurso(j, a);
}

FalloLectura ComprobarReparto(const EstadoJuego& j)
{
    Recuento fichas;
    auto anotar = [&fichas](int a, int b) -> FalloLectura {
        if (fichas.Anotar(a, b) > 1) return Ficha(a, b) + " está dos veces";
        return std::nullopt;
    };
    for (int p = 1; p <= kAsientos; ++p) {
        int enMano = 0;
        for (int s = 1; s <= kHuecos; ++s) {
            const HuecoMano& h = j.Manos[I(p)][I(s)];
            if (h.PuntoA == kNinguna && h.PuntoB == kNinguna && h.Estado == kVacio) continue;
            if (h.Estado != kEnMano || !EsPunto(h.PuntoA) || !EsPunto(h.PuntoB))
                return "el hueco " + std::to_string(s) + " " + DelAsiento(p) + " no es una ficha repartida";
            if (auto f = anotar(h.PuntoA, h.PuntoB)) return f;
            ++enMano;
        }
        if (enMano != j.FichasEnMano[I(p)]) return "las fichas " + DelAsiento(p) + " están mal contadas";
    }
    for (int i = 1; i <= kHuecosMonton; ++i) {
        const FichaMonton& m = j.Monton[I(i)];
        if (m.PuntoA == kNinguna && m.PuntoB == kNinguna) continue;
        if (!EsPunto(m.PuntoA) || !EsPunto(m.PuntoB))
            return "el hueco " + std::to_string(i) + " del montón no es una ficha";
        if (auto f = anotar(m.PuntoA, m.PuntoB)) return f;
    }
    return std::nullopt;
}

void VaciarPosicion(EstadoJuego& j)
{
    const EstadoJuego limpio;
    j.Manos = limpio.Manos;
    j.HuecosMano = limpio.HuecosMano;
    j.FichasEnMano = limpio.FichasEnMano;
    j.Monton = limpio.Monton;
    j.FichasMonton = limpio.FichasMonton;
    j.Linea = limpio.Linea;
    j.Jugadas = limpio.Jugadas;
    j.NumeroJugada = 0;
    j.JugadorTurno = 0;
    j.DoblesJugador = limpio.DoblesJugador;
    j.PoseedorDoble = limpio.PoseedorDoble;
    j.PesoNumero = limpio.PesoNumero;
    j.CuentaNumeros = limpio.CuentaNumeros;
    j.NumerosOrdenados = limpio.NumerosOrdenados;
    j.ManoEnCurso = false;
    j.EsperaContinuar = false;
}

void DescartarPartida(EstadoJuego& j)
{
    VaciarPosicion(j);
    j.PartidaEnCurso = false;
    j.NumeroMano = 0;
    j.JugadorSalida = 0;
    j.GanadorMano = 0;
    std::fill(j.Anotaciones.begin(), j.Anotaciones.end(), RegistroMano{});
}

} // namespace zp
