#pragma once
// States the tests write and read: a first run, a game in progress and a long match.
#include "engine/ajustes.h"
#include "engine/jugada.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/fichero_estado.h"

#include <array>
#include <string>

namespace prueba {

using namespace zp;

struct Estado
{
    EstadoJuego juego;
    Ajustes datos;
    CadenasEstado Cadenas() const { return GenerarCadenasEstado(juego, datos); }
};

inline std::size_t P(int n)
{
    return static_cast<std::size_t>(n);
}
inline Entero E(int n)
{
    return static_cast<Entero>(n);
}

inline Estado PrimeraEjecucion()
{
    Estado s;
    PonerAjustesPorDefecto(s.juego, s.datos);
    return s;
}

// Hand 3 of a pairs game, 14 moves played: every seat dealt 7 tiles in order, its first three laid one by
// one in turn, two of the moves passes.
inline Estado PartidaEnJuego()
{
    Estado s = PrimeraEjecucion();
    EstadoJuego& j = s.juego;
    s.datos.Jugador[1].NombreJugador = "Ana";
    s.datos.Jugador[2].NombreJugador = "Luis";
    s.datos.Jugador[3].NombreJugador = "Pepe";
    s.datos.Jugador[4].NombreJugador = "Sur";
    s.datos.Jugador[2].DireccionIP = "192.168.1.20";
    s.datos.RemanentesMonton = 0;
    j.PartidaEnCurso = true;
    j.ManoEnCurso = true;
    j.NumeroMano = 3;
    j.NumeroJugada = 15;
    j.JugadorTurno = 2;
    j.JugadorSalida = 1;
    j.GanadorMano = 1;
    j.IdPartida = "0427";
    j.SalidaA = 6;
    j.SalidaB = 6;
    j.FichasMonton = 0;
    int a = 0, b = 0;
    for (int p = 1; p <= 4; ++p) {
        j.HuecosMano[P(p)] = 7;
        for (int h = 1; h <= 7; ++h) {
            j.Manos[P(p)][P(h)] = {E(a), E(b), E(h <= 3 ? kPuesta : kEnMano)};
            if (++b > a) b = 0, ++a;
        }
        j.FichasEnMano[P(p)] = 4;
        j.DoblesJugador[P(p)] = E(p % 3);
        for (int n = 0; n < 7; ++n) {
            j.CuentaNumeros[P(p)][P(n)] = E((n + p) % 4);
            j.PesoNumero[P(p)][P(n)] = E(n * 13 + p);
            j.NumerosOrdenados[P(p)][P(n + 1)] = E(6 - n);
        }
    }
    for (int d = 0; d <= 6; ++d) j.PoseedorDoble[P(d)] = E(1 + d % 4);
    j.Linea.Extremos = {0, 3, 5};
    j.Linea.DireccionExtremo = {0, 1, 3};
    j.Linea.FichasEnExtremo = {0, 6, 6};
    j.Linea.XExtremo = {0, 212, 618};
    j.Linea.YExtremo = {0, 300, 288};
    j.Linea.LimiteGiro[1] = {0, 40, 120, 760, 520};
    j.Linea.LimiteGiro[2] = {0, 40, 120, 760, 520};
    for (int i = 1; i <= 2; ++i) {
        RegistroMano& r = j.Anotaciones[P(i)];
        r.Anotada = true;
        r.Sale = i == 1 ? "Ana" : "Luis";
        r.PuntosPareja1 = E(25 * i);
        r.DecenasPareja1 = E(2 * i);
        r.PuntosPareja2 = E(i - 1);
        r.PuntosJugador[P(i)] = E(25 * i);
        r.DecenasJugador[P(i)] = E(2 * i);
    }
    std::array<int, 5> puestas{};
    for (int i = 1; i <= 14; ++i) {
        const Entero jugador = E(1 + (i - 1) % 4), extremo = E(i % 5 == 0 ? kExtremoPasa : 1 + i % 2);
        const bool pasa = extremo == kExtremoPasa;
        const HuecoMano& h = j.Manos[P(jugador)][P(pasa ? 1 : ++puestas[P(jugador)])];
        const int unido = pasa ? kNinguna : h.PuntoA, abierto = pasa ? kNinguna : h.PuntoB;
        const int eleccion = i % 2 ? -1 : 0, doble = i == 4 ? -1 : 0;
        // Field by field in the record's order, from the player to the directions before and after.
        const int campos[] = {jugador, unido, abierto,   extremo,   eleccion,       200 + 10 * i, 280 + i,
                              77,      40,    1 + i % 2, 40 * i,    100 + i,        50 + i,       140 + i,
                              60 + i,  i % 3, doble,     doble,     300 - i,        290,          300 + i,
                              291,     i % 7, kNinguna,  1 + i % 4, 1 + (i + 1) % 4};
        for (int n = 0; n < RegistroJugada::kCampos; ++n) j.Jugadas[P(i)].campo(n) = E(campos[n]);
    }
    return s;
}

// The last hand the score sheet holds, with the most moves a hand can have played, against the clock.
inline Estado PartidaLarga()
{
    Estado s = PartidaEnJuego();
    s.datos.SentidoJuego = Sentido::Inverso;
    s.juego.PasoTurno = -1;
    s.juego.NumeroMano = 700;
    for (int i = 1; i < 700; ++i) {
        RegistroMano& r = s.juego.Anotaciones[P(i)];
        r.Anotada = true;
        r.Sale = i % 2 ? "Ana" : "Luis";
        r.PuntosPareja1 = E(i * 14 % 10000);
        r.DecenasPareja1 = E(i % 1000);
        r.PuntosJugador[P(1 + i % 4)] = E(i);
    }
    s.juego.NumeroJugada = kMaximoJugadas + 1;
    s.juego.Jugadas.resize(131);
    for (int i = 15; i <= kMaximoJugadas; ++i) {
        s.juego.Jugadas[P(i)] = s.juego.Jugadas[P(1 + i % 14)];
        s.juego.Jugadas[P(i)].Extremo = kExtremoPasa; // every tile is laid once
    }
    return s;
}

// Columns desde..hasta of a line, counted from 1 as the file's map counts them.
inline std::string Cols(const std::string& s, std::size_t desde, std::size_t hasta)
{
    return s.substr(desde - 1, hasta - desde + 1);
}

inline std::string Blancos(std::size_t n)
{
    return std::string(n, ' ');
}

// The situation of a first run, column by column as the file must hold it.
inline std::string SituacionPrimeraEjecucion()
{
    std::string s = "Jugador1 0501122" + Blancos(15) + "Jugador2 0501123" + Blancos(15) + "Jugador3 0501121" +
                    Blancos(15) + "Jugador4 1001212" + Blancos(15);
    s += "-1-112111111111210000 4  2" + Blancos(9); // 125-159: pause, sound, rules, turn to players
    s += "0 0 0000500  1 03007  00000079900004" + Blancos(5) + "0000000"; // 160-207
    for (int e = 0; e < 2; ++e) s += "9000" + std::string(24, '0');
    s += Blancos(30);
    for (int p = 1; p <= 4; ++p)
        s += "00000" + std::string(p == 4 ? "-1" : "0 ") + "000 0000 0000 0000 0000 0000 0000 0" +
             std::string(63, '9');
    return s + Blancos(27) + std::string(28, '9') + "XXXXXXXXXXXX";
}

} // namespace prueba
