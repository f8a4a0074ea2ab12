#include "settings/core/cadenas_estado.h"
#include "settings/core/columnas_estado.h"
#include "settings/estados_prueba.h"

#include <gtest/gtest.h>

namespace {

using namespace zp;
using namespace prueba;

std::string Cols(const std::string& s, std::size_t desde, std::size_t hasta)
{
    return s.substr(desde - 1, hasta - desde + 1);
}

TEST(CadenaSituacion, primera_ejecucion_escribe_cada_columna_esperada)
{
    const std::string esperado = SituacionPrimeraEjecucion();
    ASSERT_EQ(esperado.size(), 780u);
    const CadenasEstado c = PrimeraEjecucion().Cadenas();
    EXPECT_EQ(c.CadenaSituacion, esperado);
    EXPECT_EQ(c.CadenaMarcador, "");
    EXPECT_EQ(c.CadenaJugadas, "");
}

TEST(CadenaSituacion, cada_valor_va_en_su_columna_con_su_mascara)
{
    struct Caso
    {
        const char* que;
        std::function<void(Estado&)> poner;
        std::size_t desde, hasta;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"nombre de 12 guarda 9", [](Estado& s) { s.datos.Jugador[1].NombreJugador = "Maximiliano1"; }, 1, 9,
         "Maximilia"},
        {"nombre de 3 y 6 blancos", [](Estado& s) { s.datos.Jugador[2].NombreJugador = "Eva"; }, 32, 40,
         "Eva      "},
        {"nombre con acentos, un byte cada letra",
         [](Estado& s) { s.datos.Jugador[3].NombreJugador = "Begoña"; }, 63, 71,
         "Bego\xF1"
         "a   "},
        {"comilla de un nombre pasa a apóstrofo",
         [](Estado& s) { s.datos.Jugador[4].NombreJugador = "O\"Neil"; }, 94, 102, "O'Neil   "},
        {"nivel 5 es 005", [](Estado& s) { s.datos.Jugador[1].NivelJugador = 5; }, 10, 12, "005"},
        {"sentido inverso es -1", [](Estado& s) { s.juego.PasoTurno = -1; }, 173, 174, "-1"},
        {"sentido directo es 1 y blanco", [](Estado& s) { s.juego.PasoTurno = 1; }, 173, 174, "1 "},
        {"fichas por jugador 7 es 07", [](Estado& s) { s.datos.FichasPorJugador = 7; }, 178, 179, "07"},
        {"peso 7 es 07 y blanco", [](Estado& s) { s.juego.PesoNumero[1][0] = 7; }, 302, 304, "07 "},
        {"peso negativo", [](Estado& s) { s.juego.PesoNumero[1][0] = -5; }, 302, 304, "-05"},
        {"hueco sin usar son tres nueves", [](Estado&) {}, 396, 398, "999"},
        {"dirección vacía, 15 blancos", [](Estado&) {}, 110, 124, Blancos(15)},
        {"bandera falsa es 0 y blanco", [](Estado& s) { s.juego.PartidaEnCurso = false; }, 160, 161, "0 "},
        {"bandera cierta es -1", [](Estado& s) { s.juego.ManoEnCurso = true; }, 162, 163, "-1"},
        {"identificador tal cual", [](Estado& s) { s.juego.IdPartida = "0815"; }, 191, 194, "0815"},
        {"coordenada negativa conserva su valor", [](Estado& s) { s.juego.Linea.XExtremo[1] = -5; }, 212, 215,
         "-005"},
        {"coordenada que no cabe queda en el máximo", [](Estado& s) { s.juego.Linea.XExtremo[2] = 12345; },
         240, 243, "9999"},
        {"ficha del montón",
         [](Estado& s) {
             s.juego.Monton[14] = {E(6), E(5)};
         },
         767, 768, "65"},
    };
    for (const Caso& c : casos) {
        Estado s = PrimeraEjecucion();
        c.poner(s);
        const std::string cadena = s.Cadenas().CadenaSituacion;
        EXPECT_EQ(cadena.size(), 780u) << c.que;
        EXPECT_EQ(Cols(cadena, c.desde, c.hasta), c.esperado) << c.que;
        EXPECT_EQ(Cols(cadena, 769, 780), "XXXXXXXXXXXX") << c.que;
    }
}

TEST(CadenaMarcador, una_entrada_por_mano_terminada)
{
    const CadenasEstado c = PartidaEnJuego().Cadenas();
    ASSERT_EQ(c.CadenaMarcador.size(), 102u);
    EXPECT_EQ(c.CadenaMarcador.substr(0, 51), "Ana      "
                                              "0025002"
                                              "0000000"
                                              "0025002"
                                              "0000000"
                                              "0000000"
                                              "0000000");
    EXPECT_EQ(Cols(c.CadenaMarcador, 52 + 9, 52 + 15), "0050004");

    Estado mano1 = PartidaEnJuego();
    mano1.juego.NumeroMano = 1;
    EXPECT_EQ(mano1.Cadenas().CadenaMarcador, "");
}

TEST(CadenaJugadas, sesenta_columnas_por_jugada_con_los_extremos_antes_de_las_anclas)
{
    const CadenasEstado c = PartidaEnJuego().Cadenas();
    ASSERT_EQ(c.CadenaJugadas.size(), 14u * 60);
    // Move 4: a double laid across the line.
    EXPECT_EQ(c.CadenaJugadas.substr(180, 60), "4451"
                                               "0 "
                                               "0240"
                                               "0284"
                                               "77"
                                               "40"
                                               "1"
                                               "0160"
                                               "104"
                                               "054"
                                               "144"
                                               "064"
                                               "1"
                                               "-1"
                                               "-1"
                                               "49"
                                               "12"
                                               "0296"
                                               "0290"
                                               "0304"
                                               "0291");
    EXPECT_EQ(Cols(c.CadenaJugadas, 37, 40), "0 0 ");

    Estado cinco = PartidaEnJuego();
    cinco.juego.NumeroJugada = 5;
    EXPECT_EQ(cinco.Cadenas().CadenaJugadas.size(), 240u);
    cinco.juego.NumeroJugada = 1;
    EXPECT_EQ(cinco.Cadenas().CadenaJugadas, "");
}

TEST(CadenaJugadas, mitad_fuera_de_sus_tres_cifras_queda_en_999_y_se_puede_leer)
{
    Estado s = PartidaEnJuego();
    s.juego.Jugadas[1].XMitad1 = 1043;
    const CadenasEstado c = s.Cadenas();
    EXPECT_EQ(Cols(c.CadenaJugadas, 24, 26), "999");
    Estado leido = PrimeraEjecucion();
    ASSERT_FALSE(CargarCadenasEstado(c, leido.juego, leido.datos));
    EXPECT_EQ(leido.juego.Jugadas[1].XMitad1, 999);
}

TEST(CadenasEstado, ida_y_vuelta_deja_las_mismas_cadenas)
{
    const struct
    {
        const char* que;
        Estado s;
    } casos[] = {{"primera ejecución", PrimeraEjecucion()},
                 {"partida en juego", PartidaEnJuego()},
                 {"partida larga", PartidaLarga()}};
    for (const auto& c : casos) {
        const CadenasEstado antes = c.s.Cadenas();
        Estado leido;
        ASSERT_FALSE(CargarCadenasEstado(antes, leido.juego, leido.datos)) << c.que;
        EXPECT_EQ(leido.Cadenas(), antes) << c.que;
    }
    const Estado larga = PartidaLarga();
    const CadenasEstado c = larga.Cadenas();
    EXPECT_EQ(c.CadenaMarcador.size(), 699u * 51);
    EXPECT_EQ(c.CadenaJugadas.size(), 89u * 60);
    Estado leido;
    ASSERT_FALSE(CargarCadenasEstado(c, leido.juego, leido.datos));
    EXPECT_EQ(leido.juego.Anotaciones[699], larga.juego.Anotaciones[699]);
    EXPECT_EQ(leido.juego.Jugadas[89], larga.juego.Jugadas[89]);
    EXPECT_EQ(leido.juego.Jugadas.size(), 131u);
    EXPECT_EQ(leido.juego.PasoTurno, -1);
}

TEST(CargarCadenasEstado, nombres_recortados_y_con_mayuscula_inicial)
{
    const struct
    {
        const char* escrito;
        const char* leido;
    } casos[] = {{"JOSE luis", "Jose Luis"}, {"  pepe", "Pepe"}, {"ÁNGEL ñu", "Ángel Ñu"}, {"ß", "ß"}};
    for (const auto& c : casos) {
        Estado s = PrimeraEjecucion();
        s.datos.Jugador[2].NombreJugador = c.escrito;
        Estado leido;
        ASSERT_FALSE(CargarCadenasEstado(s.Cadenas(), leido.juego, leido.datos));
        EXPECT_EQ(leido.datos.Jugador[2].NombreJugador, c.leido);
    }
}

TEST(CargarCadenasEstado, ajustes_fuera_de_intervalo_toman_su_valor_sustituto)
{
    struct Caso
    {
        std::size_t columna;
        std::string texto;
        std::function<int(const Estado&)> valor;
        int esperado;
    };
    const std::vector<Caso> casos = {
        {187, "15", [](const Estado& s) { return s.datos.RemanentesMonton; }, 0},
        {178, "15", [](const Estado& s) { return s.datos.FichasPorJugador; }, 7},
        {10, "150", [](const Estado& s) { return s.datos.Jugador[1].NivelJugador; }, 50},
        {13, "3", [](const Estado& s) { return Codigo(s.datos.Jugador[1].EstadoJugador); }, 1},
        {15, "0", [](const Estado& s) { return Codigo(s.datos.Jugador[1].ControlJugador); }, 2},
        {47, "9", [](const Estado& s) { return Codigo(s.datos.Jugador[2].CaracterJugador); }, 2},
        {132, "3", [](const Estado& s) { return Codigo(s.datos.FichasVisiblesPuestas); }, 2},
        {150, "0", [](const Estado& s) { return Codigo(s.datos.ModoRed); }, 2},
        {139, "5", [](const Estado& s) { return Codigo(s.datos.TurnoSalida); }, 1},
        {167, "101", [](const Estado& s) { return s.datos.Velocidad; }, 50},
        {127, "5 ", [](const Estado& s) { return s.datos.Sonido ? -1 : 0; }, -1},
        {125, "0 ", [](const Estado& s) { return s.datos.PausaEntreJugadas ? -1 : 0; }, 0},
        // Seats in play and the step of the turn are worked out again, whatever the file says.
        {147, "9", [](const Estado& s) { return s.datos.NumeroJugadores; }, 4},
        {173, "0 ", [](const Estado& s) { return s.juego.PasoTurno; }, 1},
    };
    for (const Caso& c : casos) {
        CadenasEstado cad = PrimeraEjecucion().Cadenas();
        cad.CadenaSituacion.replace(c.columna - 1, c.texto.size(), c.texto);
        Estado leido;
        ASSERT_FALSE(CargarCadenasEstado(cad, leido.juego, leido.datos)) << c.columna;
        EXPECT_EQ(c.valor(leido), c.esperado) << "columna " << c.columna;
    }
}

TEST(CargarCadenasEstado, mas_fichas_de_las_que_hay_para_los_jugadores_vuelven_a_siete)
{
    Estado s = PrimeraEjecucion();
    s.datos.Jugador[1].EstadoJugador = EstadoAsiento::Desactivado;
    s.datos.FichasPorJugador = 12;
    Estado leido;
    ASSERT_FALSE(CargarCadenasEstado(s.Cadenas(), leido.juego, leido.datos));
    EXPECT_EQ(leido.datos.NumeroJugadores, 3);
    EXPECT_EQ(leido.datos.FichasPorJugador, 7);
}

TEST(CargarCadenasEstado, primera_mano_sin_jugadas_sale_quien_tiene_el_seis_doble)
{
    Estado s = PartidaEnJuego();
    s.juego.NumeroMano = 1;
    s.juego.NumeroJugada = 1;
    s.juego.JugadorTurno = 1;
    s.juego.JugadorSalida = 1;
    s.juego.Manos[3][5] = {E(6), E(6), kEnMano};
    s.juego.Manos[4][7] = {E(5), E(3), kEnMano};
    Estado leido;
    ASSERT_FALSE(CargarCadenasEstado(s.Cadenas(), leido.juego, leido.datos));
    EXPECT_EQ(leido.juego.JugadorTurno, 3);
    EXPECT_EQ(leido.juego.JugadorSalida, 3);

    // Nobody holds it (it lies in the stock): the file's turn stays.
    s.juego.Manos[3][5] = {E(5), E(3), kEnMano};
    ASSERT_FALSE(CargarCadenasEstado(s.Cadenas(), leido.juego, leido.datos));
    EXPECT_EQ(leido.juego.JugadorTurno, 1);
}

TEST(CargarCadenasEstado, sin_partida_en_curso_la_hoja_queda_vacia)
{
    Estado s = PartidaEnJuego();
    s.juego.PartidaEnCurso = false;
    Estado leido;
    ASSERT_FALSE(CargarCadenasEstado(s.Cadenas(), leido.juego, leido.datos));
    EXPECT_EQ(leido.juego.NumeroMano, 0);
    EXPECT_EQ(leido.juego.Anotaciones[1], RegistroMano{});

    s.juego.PartidaEnCurso = true;
    s.juego.NumeroJugada = 12;
    ASSERT_FALSE(CargarCadenasEstado(s.Cadenas(), leido.juego, leido.datos));
    EXPECT_EQ(leido.juego.Jugadas.size(), 53u);
    EXPECT_EQ(leido.juego.Jugadas[11], s.juego.Jugadas[11]);
    EXPECT_EQ(leido.juego.Jugadas[12], RegistroJugada{});
}

// Every kind of damage refuses the whole input and leaves the state exactly as it was.
TEST(CargarCadenasEstado, entrada_danada_se_rechaza_entera_sin_tocar_el_estado)
{
    struct Caso
    {
        const char* que;
        std::function<void(CadenasEstado&)> danar;
    };
    auto poner = [](std::string CadenasEstado::*linea, std::size_t columna, std::string texto) {
        return [=](CadenasEstado& c) { (c.*linea).replace(columna - 1, texto.size(), texto); };
    };
    const auto S = &CadenasEstado::CadenaSituacion;
    const auto M = &CadenasEstado::CadenaMarcador;
    const auto J = &CadenasEstado::CadenaJugadas;
    const std::vector<Caso> casos = {
        {"situación corta", [](CadenasEstado& c) { c.CadenaSituacion.pop_back(); }},
        {"situación larga", [](CadenasEstado& c) { c.CadenaSituacion += "X"; }},
        {"sin marca final", poner(S, 780, "Y")},
        {"letra donde va una cifra", poner(S, 142, "A")},
        {"regla en blanco", poner(S, 129, " ")},
        {"nivel en blanco", poner(S, 10, "   ")},
        {"bandera en blanco", poner(S, 160, "  ")},
        {"turno fuera de la mesa", poner(S, 142, "7")},
        {"mano negativa", poner(S, 184, "-01")},
        {"más fichas en el montón de las que caben", poner(S, 182, "15")},
        {"estado de hueco desconocido", poner(S, 338, "5")},
        {"punto 7 en el montón", poner(S, 741, "7")},
        {"puesto local 0", poner(S, 195, "0")},
        {"identificador con letras", poner(S, 191, "12a4")},
        {"nombre con un carácter de control", poner(S, 34, std::string(1, '\0'))},
        {"partida a 0 puntos", poner(S, 175, "000")},
        {"menos de dos jugadores",
         [](CadenasEstado& c) {
             for (std::size_t col : {13u, 44u, 75u}) c.CadenaSituacion[col - 1] = '2';
         }},
        {"hoja de tanteo corta", [](CadenasEstado& c) { c.CadenaMarcador.pop_back(); }},
        {"hoja de tanteo sin cifra", poner(M, 62, "x")},
        {"jugadas cortas", [](CadenasEstado& c) { c.CadenaJugadas.resize(600); }},
        {"jugada con letra", poner(J, 67, "?")},
        {"jugada en el extremo 5", poner(J, 64, "5")},
        {"jugada de un asiento 0", poner(J, 61, "0")},
    };
    for (const Caso& c : casos) {
        Estado s = PartidaEnJuego();
        CadenasEstado cad = s.Cadenas();
        c.danar(cad);
        Estado destino = PartidaLarga();
        const CadenasEstado antes = destino.Cadenas();
        const auto fallo = CargarCadenasEstado(cad, destino.juego, destino.datos);
        ASSERT_TRUE(fallo.has_value()) << c.que;
        EXPECT_FALSE(fallo->empty()) << c.que;
        EXPECT_EQ(destino.Cadenas(), antes) << c.que;
        EXPECT_EQ(destino.juego.Jugadas.size(), 131u) << c.que;
    }
}

TEST(CargarCadenasEstado, el_motivo_dice_linea_y_columna)
{
    CadenasEstado cad = PartidaEnJuego().Cadenas();
    cad.CadenaSituacion[141] = 'A';
    Estado s;
    const auto fallo = CargarCadenasEstado(cad, s.juego, s.datos);
    ASSERT_TRUE(fallo);
    EXPECT_NE(fallo->find("línea 1"), std::string::npos) << *fallo;
    EXPECT_NE(fallo->find("columna 142"), std::string::npos) << *fallo;
}

} // namespace
