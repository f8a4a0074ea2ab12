#include "settings/core/cadenas_estado.h"

#include "engine/analisis_mano.h"
#include "platform/text/cp1252.h"
#include "settings/core/columnas_estado.h"

#include <algorithm>
#include <cassert>

namespace zp {
namespace {

std::size_t Pos(int n)
{
    return static_cast<std::size_t>(n);
}

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

struct Intervalo
{
    Entero* valor;
    int minimo, maximo;
    Entero sustituto;
};

// Settings out of their range take a fallback, in the order the reader has always tested them.
void AplicarIntervalos(Ajustes& a)
{
    std::vector<Intervalo> t;
    for (int p = 1; p <= kAsientos; ++p) {
        AjustesJugador& j = a.Jugador[Pos(p)];
        t.push_back({&j.EstadoJugador, 1, 2, 1});
        t.push_back({&j.FichasJugador, 1, 2, 1});
        t.push_back({&j.ControlJugador, 1, 3, 2});
        t.push_back({&j.CaracterJugador, 1, 3, 2});
    }
    for (int p = 1; p <= kAsientos; ++p) t.push_back({&a.Jugador[Pos(p)].NivelJugador, 0, 100, 50});
    // The pause, the sound and the network switch are booleans here and cannot leave their range.
    t.push_back({&a.FichasVisiblesPuestas, 1, 2, 2});
    t.push_back({&a.ModoRed, 1, 2, 2});
    t.push_back({&a.SentidoJuego, 1, 2, 1});
    t.push_back({&a.ListaJugadas, 1, 2, 2});
    t.push_back({&a.SistemaReparto, 1, 2, 2});
    t.push_back({&a.JugadorCincoDobles, 1, 2, 1});
    t.push_back({&a.PrimeraMano, 1, 2, 1});
    t.push_back({&a.SistemaAnotacion, 1, 2, 1});
    t.push_back({&a.GanadorSiEmpate, 1, 3, 1});
    t.push_back({&a.SalidaSiEmpate, 1, 2, 1});
    t.push_back({&a.TurnoSalida, 1, 4, 1});
    t.push_back({&a.PuntosQueSeAnotan, 1, 2, 1});
    t.push_back({&a.ParejaQueSeAnota, 1, 2, 1});
    t.push_back({&a.ModoJuego, 1, 2, 1});
    t.push_back({&a.FichasPorJugador, 7, 14, 7});
    t.push_back({&a.RemanentesMonton, 0, 14, 0});
    t.push_back({&a.Velocidad, 0, 100, 50});
    for (const Intervalo& i : t)
        if (*i.valor < i.minimo || *i.valor > i.maximo) *i.valor = i.sustituto;
}

FalloLectura Linea(int n, const std::string& motivo)
{
    return "línea " + std::to_string(n) + ", " + motivo;
}

} // namespace

void RecalcularDerivados(EstadoJuego& juego, Ajustes& datos)
{
    Entero activos = 0;
    for (int p = 1; p <= kAsientos; ++p)
        if (datos.Jugador[Pos(p)].EstadoJugador == 1) ++activos;
    datos.NumeroJugadores = activos;
    juego.PasoTurno = datos.SentidoJuego == 1 ? 1 : -1;
    // More tiles per player than the set can deal would overrun the deal.
    if (activos > 0 && datos.FichasPorJugador * activos > kFichasJuego) datos.FichasPorJugador = 7;
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
    const int mano = std::min<int>(juego.NumeroMano, 999);
    const int jugada = std::min<int>(juego.NumeroJugada, 999);
    assert(mano <= 1 || Pos(mano - 1) < juego.Anotaciones.size());
    assert(jugada <= 1 || Pos(jugada - 1) < juego.Jugadas.size());
    const std::size_t entradas =
        mano > 1 ? std::min<std::size_t>(Pos(mano - 1), juego.Anotaciones.size() - 1) : 0;
    c.CadenaMarcador.assign(entradas * kLongitudEntradaMarcador, ' ');
    for (std::size_t i = 1; i <= entradas; ++i) {
        RegistroMano r = juego.Anotaciones[i];
        EscribirCampos(TablaMarcador(), r, c.CadenaMarcador, (i - 1) * kLongitudEntradaMarcador);
    }

    const std::size_t jugadas =
        jugada > 1 ? std::min<std::size_t>(Pos(jugada - 1), juego.Jugadas.size() - 1) : 0;
    c.CadenaJugadas.assign(jugadas * kLongitudRegistroJugada, ' ');
    for (std::size_t i = 1; i <= jugadas; ++i) {
        RegistroJugada r = juego.Jugadas[i];
        EscribirCampos(TablaJugadas(), r, c.CadenaJugadas, (i - 1) * kLongitudRegistroJugada);
    }
    return c;
}

FalloLectura LeerSituacion(std::string_view cadena, EstadoJuego& juego, Ajustes& datos)
{
    if (cadena.size() != kLongitudSituacion)
        return "tiene " + std::to_string(cadena.size()) + " caracteres en lugar de " +
               std::to_string(kLongitudSituacion);
    if (cadena.substr(kColumnaMarcaFinal - 1) != kMarcaFinal) return std::string("le falta la marca final");
    VistaEstado vista{juego, datos};
    if (auto f = LeerCampos(TablaSituacion(), vista, cadena, 0)) return f;
    AplicarIntervalos(datos);
    RecalcularDerivados(juego, datos);
    if (datos.NumeroJugadores < 2) return std::string("tiene menos de dos jugadores activados");
    return std::nullopt;
}

FalloLectura CargarCadenasEstado(const CadenasEstado& cadenas, EstadoJuego& juego, Ajustes& datos)
{
    // Everything goes into copies first: the caller's state changes only when the whole input is sound.
    EstadoJuego j = juego;
    Ajustes a = datos;
    if (auto f = LeerSituacion(cadenas.CadenaSituacion, j, a)) return Linea(1, *f);

    j.Anotaciones.assign(std::max({j.Anotaciones.size(), std::size_t{701}, Pos(j.NumeroMano + 1)}),
                         RegistroMano{});
    const std::size_t entradas = j.NumeroMano > 1 ? Pos(j.NumeroMano - 1) : 0;
    if (cadenas.CadenaMarcador.size() < entradas * kLongitudEntradaMarcador)
        return Linea(2, "tiene " + std::to_string(cadenas.CadenaMarcador.size()) + " caracteres y las " +
                            std::to_string(entradas) + " manos anotadas necesitan " +
                            std::to_string(entradas * kLongitudEntradaMarcador));
    for (std::size_t i = 1; i <= entradas; ++i)
        if (auto f = LeerCampos(TablaMarcador(), j.Anotaciones[i], cadenas.CadenaMarcador,
                                (i - 1) * kLongitudEntradaMarcador))
            return Linea(2, *f);

    j.Jugadas.assign(Pos(std::max<int>(j.NumeroJugada, 0) + 41), RegistroJugada{});
    const std::size_t jugadas = j.NumeroJugada > 1 ? Pos(j.NumeroJugada - 1) : 0;
    if (cadenas.CadenaJugadas.size() < jugadas * kLongitudRegistroJugada)
        return Linea(3, "tiene " + std::to_string(cadenas.CadenaJugadas.size()) + " caracteres y las " +
                            std::to_string(jugadas) + " jugadas necesitan " +
                            std::to_string(jugadas * kLongitudRegistroJugada));
    for (std::size_t i = 1; i <= jugadas; ++i)
        if (auto f = LeerCampos(TablaJugadas(), j.Jugadas[i], cadenas.CadenaJugadas,
                                (i - 1) * kLongitudRegistroJugada))
            return Linea(3, *f);

    for (int p = 1; p <= kAsientos; ++p)
        a.Jugador[Pos(p)].NombreJugador = CapitalizarNombre(a.Jugador[Pos(p)].NombreJugador);

    // The first hand before its first move belongs to whoever holds the opening tile.
    if (j.NumeroMano == 1 && j.NumeroJugada == 1 && a.PrimeraMano == 1) {
        const Entero poseedor = BuscarPoseedor(j, j.SalidaA, j.SalidaB).Asiento;
        if (poseedor >= 1 && poseedor <= kAsientos && poseedor != j.JugadorTurno) {
            j.JugadorTurno = poseedor;
            j.JugadorSalida = poseedor;
        }
    }

    if (!j.PartidaEnCurso) {
        std::fill(j.Anotaciones.begin(), j.Anotaciones.end(), RegistroMano{});
        j.NumeroMano = 0;
    }

    juego = std::move(j);
    datos = std::move(a);
    return std::nullopt;
}

} // namespace zp
