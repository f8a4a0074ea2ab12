// Las estadísticas de la mano en curso sobre manos preparadas, por parejas y en individual.
#include "scores/core/estadisticas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zp;

struct Mano
{
    EstadoJuego e;
    Ajustes a;

    // La ficha a-b en la mano del asiento p, puesta o no.
    void Dar(Entero p, Entero x, Entero y, bool puesta)
    {
        e.Manos[std::size_t(p)][std::size_t(++e.HuecosMano[std::size_t(p)])] = {x, y,
                                                                                puesta ? kPuesta : kEnMano};
    }
    // Una jugada más: ficha (unido, abierto) en el extremo 1 o 2, o robo (8) y pase (9) con los extremos de
    // entonces.
    void Jugar(Entero p, Entero unido, Entero abierto, Entero extremo, Entero e1 = 0, Entero e2 = 0)
    {
        if (e.NumeroJugada == 0) e.NumeroJugada = 1;
        RegistroJugada& j = e.Jugadas[std::size_t(e.NumeroJugada++)] = {p, unido, abierto, extremo};
        j.Extremo1 = e1, j.Extremo2 = e2;
    }
};

std::string Digitos(const std::array<Entero, 7>& v)
{
    std::string s;
    for (Entero n : v) s += std::to_string(n);
    return s;
}

std::string Fichas(const std::vector<FichaVista>& fichas)
{
    std::string s;
    for (const FichaVista& f : fichas) {
        if (!s.empty()) s += ' ';
        s += std::to_string(f.Arriba) + std::to_string(f.Abajo) + (f.Marcada ? "*" : "");
    }
    return s;
}

// Todo lo que enseña la hoja: una fila "asiento:fichas|cortados|de cara|ha pasado" por asiento en juego (un
// dígito por número 0..6), los palos puestos, cuántas fichas y puntos, las fichas puestas y las que casan.
std::string Hoja(const EstadisticasMano& s)
{
    std::string t;
    for (const FilaEstadisticas& f : s.Filas)
        t += std::to_string(f.Asiento) + ":" + Fichas(f.Fichas) + "|" + Digitos(f.PalosCortados) + "|" +
             Digitos(f.PalosDeCara) + "|" + Digitos(f.HaPasado) + " / ";
    t += Digitos(s.PalosPuestos) + " " + std::to_string(s.FichasPuestas) + " " +
         std::to_string(s.PuntosPuestos) + " /";
    for (int x = 0; x <= 6; ++x)
        for (int y = 0; y <= x; ++y)
            if (s.Puesta[std::size_t(x)][std::size_t(y)]) t += " " + std::to_string(x * 10 + y);
    for (const auto& lista : s.FichasQueCasan) t += " / " + Fichas(lista);
    return t;
}

// Primera mano por parejas, sale el seis doble el asiento 2: el 6-6 no dice nada, un doble tardío tampoco, el
// asiento 4 roba y pasa con 3 y 6 abiertos. Extremos 3 y 5; le toca al 3.
Mano Parejas(Apertura primeraMano)
{
    Mano m;
    m.a.PrimeraMano = primeraMano;
    m.e.NumeroMano = 1;
    m.e.JugadorSalida = 2;
    m.e.JugadorTurno = 3;
    m.Dar(2, 6, 6, true), m.Dar(2, 6, 5, true), m.Dar(2, 5, 1, false);
    m.Dar(3, 6, 3, true), m.Dar(3, 3, 1, false), m.Dar(3, 5, 4, false);
    m.Dar(4, 2, 0, false);
    m.Dar(1, 3, 3, true), m.Dar(1, 5, 5, false), m.Dar(1, 3, 2, false);
    m.Jugar(2, 6, 6, 1);
    m.Jugar(3, 6, 3, 2);
    m.Jugar(4, 9, 9, kExtremoRoba, 3, 6);
    m.Jugar(4, 9, 9, kExtremoPasa, 3, 6);
    m.Jugar(1, 3, 3, 1);
    m.Jugar(2, 6, 5, 2);
    m.e.Linea.Extremos = {0, 3, 5};
    return m;
}

// Segunda mano individual entre los asientos 1, 2 y 4, en sentido inverso, sale el 4 con el 3-5: enseña los
// dos números. El 2 roba dos veces y juega; el 1 pasa; el 4 pone un doble. Extremos 0 y 2; le toca al 1.
// El registro siguiente al último hecho se ignora.
Mano Individual()
{
    Mano m;
    m.a.ModoJuego = Modalidad::Individual;
    m.a.Jugador[3].EstadoJugador = EstadoAsiento::Desactivado;
    m.a.NumeroJugadores = 3;
    m.e.PasoTurno = -1;
    m.e.NumeroMano = 2;
    m.e.JugadorSalida = 4;
    m.e.JugadorTurno = 1;
    m.Dar(4, 3, 5, true), m.Dar(4, 2, 2, true), m.Dar(4, 0, 0, false);
    m.Dar(2, 5, 2, true), m.Dar(2, 3, 0, true), m.Dar(2, 2, 1, false);
    m.Dar(1, 2, 0, false), m.Dar(1, 6, 6, false);
    m.Jugar(4, 3, 5, 1);
    m.Jugar(2, 9, 9, kExtremoRoba, 3, 5);
    m.Jugar(2, 9, 9, kExtremoRoba, 3, 5);
    m.Jugar(2, 5, 2, 2);
    m.Jugar(1, 9, 9, kExtremoPasa, 3, 2);
    m.Jugar(4, 2, 2, 2);
    m.Jugar(2, 3, 0, 1);
    m.e.Jugadas[std::size_t(m.e.NumeroJugada)] = RegistroJugada{1, 6, 6, 1};
    m.e.Linea.Extremos = {0, 0, 2};
    return m;
}

TEST(EstadisticasMano, cifras_de_manos_preparadas)
{
    const auto sinJugadas = [] {
        Mano m = Parejas(Apertura::SeisDoble);
        m.e.NumeroJugada = 1;
        return m;
    };
    const auto extremosIguales = [] {
        Mano m = Parejas(Apertura::SeisDoble);
        m.e.Linea.Extremos = {0, 3, 3};
        return m;
    };
    const std::string filasParejas = "3:63|0000001|0001000|0000000 / 4:|0000000|0000000|0001001 / "
                                     "1:33|0000000|0000000|0000000 / 0002013 4 38 / 33 63 65 66";
    const std::tuple<const char*, std::function<Mano()>, std::string> casos[] = {
        {"parejas, primera mano con el seis doble", [] { return Parejas(Apertura::SeisDoble); },
         "2:66 65|0000001|0000010|0000000 / " + filasParejas + " / 30 31* 32 34 35 / 50 51 52 53 54* 55"},
        {"parejas, primera mano por sorteo: el doble de salida enseña su número",
         [] { return Parejas(Apertura::Sorteo); },
         "2:66 65|0000001|0000011|0000000 / " + filasParejas + " / 30 31* 32 34 35 / 50 51 52 53 54* 55"},
        {"los dos extremos al mismo número: una sola lista", extremosIguales,
         "2:66 65|0000001|0000010|0000000 / " + filasParejas + " / 30 31* 32 34 35"},
        {"individual entre tres en sentido inverso", Individual,
         "4:35 22|0000000|0001010|0000000 / 2:52 30|0001010|1010000|0001010 / 1:|0000000|0000000|0011000 / "
         "1022020 4 22 / 22 30 52 53 / 00 01 02* 04 05 06 / 20* 21 23 24 26"},
        {"sin jugadas aún", sinJugadas,
         "2:|0000000|0000000|0000000 / 3:|0000000|0000000|0000000 / 4:|0000000|0000000|0000000 / "
         "1:|0000000|0000000|0000000 / 0000000 0 0 / 33 63 65 66"},
    };
    for (const auto& [nombre, preparar, hoja] : casos) {
        const Mano m = preparar();
        EXPECT_EQ(Hoja(CalcularEstadisticas(m.e, m.a)), hoja) << nombre;
    }
}

TEST(EstadisticasMano, el_recorrido_de_asientos_acaba_aunque_quien_salio_no_juegue)
{
    const std::tuple<const char*, Entero, std::vector<Entero>, std::vector<Entero>> casos[] = {
        {"nadie ha salido aún", 0, {}, {1, 2, 3, 4}},
        {"quien salió ya no juega", 3, {3}, {4, 1, 2}},
        {"un asiento imposible de un fichero dañado", 7, {2}, {1, 3, 4}},
        {"quien salió, con dos en juego", 4, {1, 3}, {4, 2}},
        {"nadie en juego", 2, {1, 2, 3, 4}, {}},
    };
    for (const auto& [nombre, salida, fuera, filas] : casos) {
        SCOPED_TRACE(nombre);
        Mano m = Individual();
        m.a.Jugador[3].EstadoJugador = EstadoAsiento::Activado;
        m.e.PasoTurno = 1;
        m.e.JugadorSalida = salida;
        for (Entero p : fuera) m.a.Jugador[std::size_t(p)].EstadoJugador = EstadoAsiento::Desactivado;
        std::vector<Entero> vistas;
        for (const FilaEstadisticas& f : CalcularEstadisticas(m.e, m.a).Filas) vistas.push_back(f.Asiento);
        EXPECT_EQ(vistas, filas);
    }
}

} // namespace
