#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/analisis_mano.h"
#include "engine/indices.h"
#include "engine/reparto.h"
#include "engine/salida.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

TEST(Salida, la_primera_mano_la_abre_la_doble_mas_alta_repartida_o_la_ficha_mas_alta)
{
    // The double six in the stock: the double five leads. No double dealt: of 6-3 and 5-4, equal sums, the
    // higher first pip opens, in either order, and with nothing between them that a higher first pip alone
    // would take. Two players and 0-0 the only double dealt: it leads.
    const std::string doble = "la doble más alta.", alta = "la ficha más alta.";
    const std::tuple<const char*, const char*, Entero, Entero, Entero, std::string> casos[] = {
        {"55 41 30 62 21 10 60", "33 65 64 54 43 20 31", 5, 5, 2, doble},
        {"66 41 30 62 21 10 60", "33 65 64 54 43 20 31", 6, 6, 2, "el seis doble."},
        {"54 41 30 62 21 10 60", "63 53 42 40 31 20 50", 6, 3, 4, alta},
        {"63 41 30 62 21 10 60", "54 53 42 40 31 20 50", 6, 3, 2, alta},
        {"54 41 30 52 21 10 51", "63 53 42 40 31 20 50", 6, 3, 4, alta},
        {"00 41 30 62 21 10 60", "65 64 54 43 20 31 53", 0, 0, 2, doble},
    };
    for (const auto& [mano2, mano4, a, b_, salida, razon] : casos) {
        Banco b;
        b.Asientos("24");
        b.a.Jugador[2].NombreJugador = "  Ana  ";
        b.a.Jugador[4].NombreJugador = "Luis";
        b.e.NumeroMano = 1;
        DarFichas(b.e, 2, mano2);
        DarFichas(b.e, 4, mano4);
        ContarManos(b.e, b.a);
        ElegirPrimeraSalida(b.e, b.a, b.azar);
        EXPECT_EQ((std::array<Entero, 3>{b.e.SalidaA, b.e.SalidaB, b.e.JugadorSalida}),
                  (std::array<Entero, 3>{a, b_, salida}));
        const std::string primera = "Sale el jugador que tiene " + razon + "\r\nSale ";
        EXPECT_EQ(TextoComienzoPartida(b.e, b.a), primera + (salida == 2 ? "Ana." : "Luis."));
        b.a.Jugador[I(salida)].NombreJugador = "   ";
        EXPECT_EQ(TextoComienzoPartida(b.e, b.a), primera + ".");
    }
}

TEST(Salida, por_sorteo_la_primera_mano_la_abre_un_asiento_en_juego)
{
    for (std::uint32_t semilla = 1; semilla <= 40; ++semilla) {
        Banco b(semilla);
        b.Asientos("13");
        b.a.PrimeraMano = Apertura::Sorteo;
        ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
        EXPECT_TRUE(b.e.JugadorSalida == 1 || b.e.JugadorSalida == 3);
        ASSERT_EQ(b.usuario.Mensajes.size(), 1u);
        const auto& m = b.usuario.Mensajes[0];
        EXPECT_EQ(m.titulo + ": " + m.texto.substr(0, m.texto.find('\r')),
                  "Comienza la Partida: Se ha sorteado el jugador que comienza la partida.");
    }
}

TEST(Salida, el_poseedor_de_una_ficha_se_busca_en_las_manos_y_no_en_el_monton)
{
    EstadoJuego e;
    DarFichas(e, 1, "62 44");
    DarFichas(e, 3, "50");
    DarFichas(e, 3, "31", kPuesta);
    e.Monton[1] = FichaMonton{6, 6};
    const std::tuple<Entero, Entero, Entero, bool> casos[] = {
        {6, 2, 1, false}, {2, 6, 1, false}, {1, 3, 3, true}, {6, 6, 0, false}, {4, 4, 1, false}};
    for (const auto& [a, b, asiento, puesta] : casos) {
        const PoseedorFicha r = BuscarPoseedor(e, a, b);
        EXPECT_EQ((std::pair{r.Asiento, r.Puesta}), (std::pair{asiento, puesta})) << a << "-" << b;
    }
}

// Partners: counts of each one's commonest number and their doubles.
TEST(Salida, entre_companeros_sale_el_de_mas_fichas_de_su_numero_y_si_empatan_el_de_menos_dobles)
{
    // Rule, winning pair, counts and doubles of partners A and B, who leads. Rule 3 with pair 1 winning and
    // rule 4 with pair 2 winning both give seats 2 and 4 (A = 2, B = 4); rule 3 with pair 2 and rule 4 with
    // pair 1 give seats 1 and 3.
    const std::array<Entero, 7> casos[] = {
        {3, 1, 3, 3, 2, 1, 4}, {3, 1, 3, 3, 1, 1, 4}, {3, 1, 3, 3, 0, 1, 2}, {3, 1, 4, 3, 2, 0, 2},
        {3, 1, 2, 3, 0, 2, 4}, {4, 2, 3, 3, 1, 1, 4}, {4, 2, 4, 2, 3, 0, 2}, {3, 2, 3, 3, 1, 1, 3},
        {3, 2, 3, 3, 0, 2, 1}, {4, 1, 2, 4, 0, 0, 3}, {4, 1, 5, 4, 0, 0, 1},
    };
    for (const auto& [turnoSalida, ganador, cuentaA, cuentaB, doblesA, doblesB, salida] : casos) {
        Ajustes r;
        r.ModoJuego = Modalidad::Parejas;
        r.TurnoSalida = static_cast<ReglaSalida>(turnoSalida);
        EstadoJuego e;
        e.JugadorSalida = 1;
        e.GanadorMano = ganador;
        const bool pareja1 = (turnoSalida == 3) == (ganador == 1);
        const std::size_t ma = pareja1 ? 2 : 1, mb = pareja1 ? 4 : 3;
        e.NumerosOrdenados[ma][1] = 5;
        e.NumerosOrdenados[mb][1] = 2;
        e.CuentaNumeros[ma][5] = cuentaA;
        e.CuentaNumeros[mb][2] = cuentaB;
        e.DoblesJugador[ma] = doblesA;
        e.DoblesJugador[mb] = doblesB;
        EXPECT_EQ(CalcularSalidaSiguiente(e, r), salida) << ::testing::PrintToString(
            std::array<Entero, 6>{turnoSalida, ganador, cuentaA, cuentaB, doblesA, doblesB});
    }
}

TEST(Salida, en_individual_sale_el_ganador_en_juego_o_repite_el_anterior)
{
    // Seats, rule, step, previous leader, winner, who leads. In the last but one the winner's seat is out
    // of play: the previous leader again. In the last a pairs rule from a damaged file names empty seat 3:
    // the next one leads.
    const std::tuple<const char*, Entero, Entero, Entero, Entero, Entero> casos[] = {
        {"1234", 1, 1, 4, 0, 1}, {"124", 1, 1, 2, 0, 4}, {"124", 1, -1, 1, 0, 4}, {"23", 1, -1, 2, 0, 3},
        {"123", 3, 1, 2, 3, 3},  {"123", 3, 1, 2, 0, 2}, {"123", 3, 1, 2, 4, 2},  {"24", 4, 1, 2, 1, 4},
    };
    for (const auto& [enJuego, turnoSalida, paso, anterior, ganador, salida] : casos) {
        Ajustes r = ConAsientos(enJuego);
        r.ModoJuego = Modalidad::Individual;
        r.TurnoSalida = static_cast<ReglaSalida>(turnoSalida);
        EstadoJuego e;
        e.PasoTurno = paso;
        e.JugadorSalida = anterior;
        e.GanadorMano = ganador;
        EXPECT_EQ(CalcularSalidaSiguiente(e, r), salida)
            << "regla " << turnoSalida << ", anterior " << anterior;
    }
}

TEST(Salida, con_elegir_en_cada_juego_la_persona_pica_una_mano_en_juego)
{
    Banco b(7);
    b.Asientos("234");
    b.a.FichasPorJugador = 7;
    b.a.TurnoSalida = ReglaSalida::Elegida;
    b.usuario.SalidasElegidas = {1, 3}; // seat 1 is out of play: asked again
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    EXPECT_EQ(b.e.JugadorSalida, 3);
    EXPECT_EQ(b.e.JugadorTurno, 2);
    EXPECT_FALSE(b.e.EligiendoSalida);
    EXPECT_TRUE(b.mesa.Hubo("Rotulo Elija el jugador que va a salir"));
    EXPECT_TRUE(b.mesa.Hubo("BorrarRotulo"));
    EXPECT_TRUE(b.usuario.Mensajes.empty()); // no announcement when the person chose
}

TEST(Salida, el_asiento_1_sale_con_el_turno_en_0_y_el_4_en_sentido_inverso_con_el_turno_en_5)
{
    for (const auto& [salida, paso, turno] : {std::array<Entero, 3>{1, 1, 0}, {4, -1, 5}, {2, -1, 3}}) {
        Banco b;
        b.a.TurnoSalida = ReglaSalida::Elegida;
        b.e.PasoTurno = paso;
        b.e.NumeroMano = 2;
        b.usuario.SalidasElegidas = {salida};
        ASSERT_EQ(DecidirSalida(b.c, b.a), Espera::Cumplida);
        EXPECT_EQ(b.e.JugadorTurno, turno);
        EXPECT_EQ(b.e.SalidaA, kNinguna);
    }
}

TEST(Salida, a_igual_cuenta_el_que_sale_prefiere_el_numero_de_su_doble)
{
    for (std::uint32_t semilla = 1; semilla <= 30; ++semilla) {
        for (const Entero doble : {Entero{3}, Entero{6}}) {
            AzarSemilla azar(semilla);
            EstadoJuego e;
            e.JugadorSalida = 2;
            e.NumerosOrdenados[2] = {0, 5, doble, 1, 0, 2, 4, 6};
            e.CuentaNumeros[2][5] = e.CuentaNumeros[2][I(doble)] = 3;
            e.PoseedorDoble[I(doble)] = 2; // holds that double, not 5-5
            AjustarNumerosFavoritos(e, azar);
            EXPECT_EQ((std::pair<int, int>(e.NumerosOrdenados[2][1], e.NumerosOrdenados[2][2])),
                      (std::pair<int, int>(doble, 5)));
        }
    }
}

} // namespace
} // namespace zp
