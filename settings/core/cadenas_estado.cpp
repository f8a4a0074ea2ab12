#include "settings/core/cadenas_estado.h"

#include "engine/analisis_mano.h"
#include "engine/fin_mano.h"
#include "engine/indices.h"
#include "engine/reglas.h"
#include "engine/turno.h"
#include "platform/text/cp1252.h"
#include "settings/core/coherencia_partida.h"
#include "settings/core/columnas_estado.h"

#include <algorithm>
#include <cassert>

namespace zp {
namespace {

// First letter and every letter after a blank upper case, the rest lower case, one byte at a time so that
// no letter changes its length (ß stays ß).
unsigned char Mayuscula(unsigned char c)
{
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

unsigned char Minuscula(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

// Records 1..n - 1 of `lista` (no more than it holds), one after another, `largo` columns each.
template <class Registro>
std::string EscribirRegistros(const std::vector<Campo<Registro>>& tabla, const std::vector<Registro>& lista,
                              int n, std::size_t largo)
{
    assert(n <= 1 || I(n - 1) < lista.size());
    const std::size_t cuantos = n > 1 ? std::min<std::size_t>(I(n - 1), lista.size() - 1) : 0;
    std::string s(cuantos * largo, ' ');
    for (std::size_t i = 1; i <= cuantos; ++i) {
        Registro r = lista[i]; // the tables hand out references for both directions
        EscribirCampos(tabla, r, s, (i - 1) * largo);
    }
    return s;
}

// Records 1..cuantos of `lista`, `largo` columns each, as far as `cadena` holds them whole; how many it held.
template <class Registro>
std::size_t LeerRegistros(const std::vector<Campo<Registro>>& tabla, std::vector<Registro>& lista,
                          const std::string& cadena, std::size_t cuantos, std::size_t largo)
{
    const std::size_t leidos = std::min(cuantos, cadena.size() / largo);
    for (std::size_t i = 1; i <= leidos; ++i)
        LeerCampos(tabla, lista[i], cadena, (i - 1) * largo, Lectura::Fichero);
    return leidos;
}

} // namespace

std::string CapitalizarNombre(const std::string& utf8)
{
    std::string s = aCp1252(utf8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        s[i] = static_cast<char>(i == 0 || s[i - 1] == ' ' ? Mayuscula(c) : Minuscula(c));
    }
    return desdeCp1252(s);
}

namespace {

FalloLectura Linea(int n, const std::string& motivo)
{
    return "línea " + std::to_string(n) + ", " + motivo;
}

} // namespace

void RecalcularDerivados(EstadoJuego& juego, Ajustes& datos)
{
    AsentarJugadores(datos);
    const Entero activos = datos.NumeroJugadores;
    juego.PasoTurno = PasoDeSentido(datos.SentidoJuego);
    // More tiles per player than the set can deal would overrun the deal.
    if (activos > 0 && datos.FichasPorJugador * activos > kFichasJuego)
        datos.FichasPorJugador = static_cast<Entero>(*ajuste::FichasPorJugador.Sustituto);
}

// The hand just scored waits for the next one. While a hand is dealt its number already counts it, and the
// sheet holds every hand before it.
static bool EntreManos(const EstadoJuego& juego)
{
    return juego.PartidaEnCurso && !juego.ManoEnCurso && !juego.RepartiendoMano && !juego.RepartoEnCurso &&
           juego.NumeroMano >= 1;
}

CadenasEstado GenerarCadenasEstado(const EstadoJuego& juego, const Ajustes& datos)
{
    // The tables hand out references for both directions; writing only reads through them.
    VistaEstado vista{const_cast<EstadoJuego&>(juego), const_cast<Ajustes&>(datos)};
    CadenasEstado c;
    c.CadenaSituacion.assign(kLongitudSituacion, ' ');
    EscribirCampos(TablaSituacion(), vista, c.CadenaSituacion, 0);

    // Entries and records up to the counters as written (three digits each); an empty string when there are
    // none, never one left from before.
    const int mano = std::min<int>(juego.NumeroMano + (EntreManos(juego) ? 1 : 0), kManosLegibles);
    if (EntreManos(juego)) c.CadenaSituacion.replace(kColumnaNumeroMano - 1, 3, EscribirNumero(mano, 3, 3));
    const int jugada = std::min<int>(juego.NumeroJugada, 999);
    c.CadenaMarcador = EscribirRegistros(TablaMarcador(), juego.Anotaciones, mano, kLongitudEntradaMarcador);
    c.CadenaJugadas = EscribirRegistros(TablaJugadas(), juego.Jugadas, jugada, kLongitudRegistroJugada);
    return c;
}

FalloLectura LeerSituacion(std::string_view cadena, EstadoJuego& juego, Ajustes& datos, Lectura lectura)
{
    std::string texto(cadena);
    if (lectura == Lectura::Red) {
        if (cadena.size() != kLongitudSituacion)
            return "tiene " + std::to_string(cadena.size()) + " caracteres en lugar de " +
                   std::to_string(kLongitudSituacion);
        if (cadena.substr(kColumnaMarcaFinal - 1) != kMarcaFinal)
            return std::string("le falta la marca final");
    } else {
        // The end mark is written but no version ever needed it; the fields before it must all be there.
        if (cadena.size() < kColumnaMarcaFinal - 1)
            return "tiene " + std::to_string(cadena.size()) + " caracteres y sus datos llegan a la columna " +
                   std::to_string(kColumnaMarcaFinal - 1);
        texto.resize(std::max(texto.size(), kLongitudSituacion), ' ');
    }
    VistaEstado vista{juego, datos};
    if (auto f = LeerCampos(TablaSituacion(), vista, texto, 0, lectura)) return f;
    AplicarSustitutos(datos);
    // A seat this computer does not know is no seat: it plays here.
    if (juego.PuestoLocal < 0 || juego.PuestoLocal > kAsientos) juego.PuestoLocal = 0;
    RecalcularDerivados(juego, datos);
    if (lectura == Lectura::Red && datos.NumeroJugadores < 2)
        return std::string("tiene menos de dos jugadores activados");
    return std::nullopt;
}

ResultadoLectura CargarCadenasEstado(const CadenasEstado& cadenas, EstadoJuego& juego, Ajustes& datos)
{
    // Into copies first: an input with no state in it changes nothing.
    EstadoJuego j = juego;
    Ajustes a = datos;
    if (auto f = LeerSituacion(cadenas.CadenaSituacion, j, a, Lectura::Fichero)) return {Linea(1, *f), {}};

    // Entries and records the line holds whole are read; those past its end stay empty. A game in
    // progress is then refused below rather than played with part of its sheet or moves.
    FalloLectura corta;
    j.Anotaciones.assign(
        std::max({j.Anotaciones.size(), kEntradasMarcador + 1, I(std::max<int>(j.NumeroMano, 0) + 1)}),
        RegistroMano{});
    const std::size_t entradas = j.NumeroMano > 1 ? I(j.NumeroMano - 1) : 0;
    const std::size_t anotadas = LeerRegistros(TablaMarcador(), j.Anotaciones, cadenas.CadenaMarcador,
                                               entradas, kLongitudEntradaMarcador);
    // Every entry a file holds is a scored hand's.
    for (std::size_t i = 1; i <= anotadas; ++i) j.Anotaciones[i].Anotada = true;
    if (anotadas < entradas)
        corta = "la hoja de tanteo guarda " + std::to_string(anotadas) + " de las " +
                std::to_string(entradas) + " manos jugadas";
    j.Jugadas.assign(I(std::max<int>(j.NumeroJugada, 0) + 41), RegistroJugada{});
    const std::size_t jugadas = j.NumeroJugada > 1 ? I(j.NumeroJugada - 1) : 0;
    const std::size_t hechas =
        LeerRegistros(TablaJugadas(), j.Jugadas, cadenas.CadenaJugadas, jugadas, kLongitudRegistroJugada);
    if (hechas < jugadas && !corta)
        corta = "la lista guarda " + std::to_string(hechas) + " de las " + std::to_string(jugadas) +
                " jugadas hechas";

    for (int p = 1; p <= kAsientos; ++p)
        a.Jugador[I(p)].NombreJugador = CapitalizarNombre(a.Jugador[I(p)].NombreJugador);

    // The first hand before its first move belongs to whoever holds the opening tile.
    if (j.NumeroMano == 1 && j.NumeroJugada == 1 && a.PrimeraMano == Apertura::SeisDoble) {
        const Entero poseedor = BuscarPoseedor(j, j.SalidaA, j.SalidaB).Asiento;
        if (EsAsiento(poseedor) && poseedor != j.JugadorTurno) {
            j.JugadorTurno = poseedor;
            j.JugadorSalida = poseedor;
        }
    }

    ResultadoLectura r;
    if (!j.PartidaEnCurso) {
        DescartarPartida(j);
    } else {
        if (!j.ManoEnCurso) {
            // Between two hands: the hand just scored is the one before the number stored; nothing of its
            // position is needed to deal the next, once that hand is on the score sheet (a file written while
            // its end was being told, by an earlier version, holds its winner and not yet its entry).
            --j.NumeroMano;
            // A file holds a hand with no entry as a blank one: a tie played again, or a hand whose end was
            // being told in an earlier version. A real blank entry is written again as it was.
            if (j.NumeroMano >= 1) {
                RegistroMano& ultima = j.Anotaciones[I(j.NumeroMano)];
                RegistroMano blanca;
                blanca.Anotada = true;
                if (ultima == blanca) ultima.Anotada = false;
            }
            AnotarManoTerminada(j, a);
            VaciarPosicion(j);
        }
        r.PartidaDescartada = corta ? corta : ComprobarPartida(j, a);
        if (r.PartidaDescartada) DescartarPartida(j);
    }
    juego = std::move(j);
    datos = std::move(a);
    return r;
}

} // namespace zp
