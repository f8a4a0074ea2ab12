#include "engine/fin_mano.h"
#include "engine/mensajes_red.h"
#include "engine/partida.h"
#include "engine/reglas.h"
#include "engine/reparto.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/columnas_estado.h"
#include "settings/estados_prueba.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace zp;
using namespace prueba;

bool Tomado(const ResultadoLectura& r)
{
    return !r.Ilegible && !r.PartidaDescartada;
}

// The state read from `c` over `leido`, which must be taken whole.
Estado Leido(const CadenasEstado& c, Estado leido = {})
{
    EXPECT_TRUE(Tomado(CargarCadenasEstado(c, leido.juego, leido.datos)));
    return leido;
}

// Columns written field by field with a bar between fields, as a record's map reads.
std::string Campos(std::string s)
{
    std::erase(s, '|');
    return s;
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
        {"salto de línea y tabulador de un nombre pasan a blancos",
         [](Estado& s) { s.datos.Jugador[1].NombreJugador = "Ana\nLuis\t"; }, 1, 9, "Ana Luis "},
        {"comilla de un nombre pasa a apóstrofo",
         [](Estado& s) { s.datos.Jugador[4].NombreJugador = "O\"Neil"; }, 94, 102, "O'Neil   "},
        {"nivel 5 es 005", [](Estado& s) { s.datos.Jugador[1].NivelJugador = 5; }, 10, 12, "005"},
        {"sentido inverso es -1", [](Estado& s) { s.juego.PasoTurno = -1; }, 173, 174, "-1"},
        {"peso 7 es 07 y blanco", [](Estado& s) { s.juego.PesoNumero[1][0] = 7; }, 302, 304, "07 "},
        {"peso negativo", [](Estado& s) { s.juego.PesoNumero[1][0] = -5; }, 302, 304, "-05"},
        {"bandera cierta es -1", [](Estado& s) { s.juego.ManoEnCurso = true; }, 162, 163, "-1"},
        {"identificador tal cual", [](Estado& s) { s.juego.IdPartida = "0815"; }, 191, 194, "0815"},
        {"coordenada negativa conserva su valor", [](Estado& s) { s.juego.Linea.XExtremo[1] = -5; }, 212, 215,
         "-005"},
        {"coordenada negativa que no cabe queda en el mínimo",
         [](Estado& s) { s.juego.Linea.XExtremo[1] = -12345; }, 212, 215, "-999"},
        {"coordenada que no cabe queda en el máximo", [](Estado& s) { s.juego.Linea.XExtremo[2] = 12345; },
         240, 243, "9999"},
        {"ficha del montón", [](Estado& s) { s.juego.Monton[14].PuntoA = 6, s.juego.Monton[14].PuntoB = 5; },
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
    EXPECT_EQ(c.CadenaMarcador.substr(0, 51),
              Campos("Ana      |0025|002|0000|000|0025|002|0000|000|0000|000|0000|000"));
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
    EXPECT_EQ(
        c.CadenaJugadas.substr(180, 60),
        Campos("4|6|0|1|0 |0240|0284|77|40|1|0160|104|054|144|064|1|-1|-1|4|9|1|2|0296|0290|0304|0291"));
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
    const Estado leido = Leido(c, PrimeraEjecucion());
    EXPECT_EQ(leido.juego.Jugadas[1].XMitad1, 999);
}

// Three players' game played by the engine and left half way through its first hand: seat 3 holds nothing.
Estado EntreTresAMedias()
{
    MotorSinVentana m(7);
    PonerAjustesPorDefecto(m.e, m.a);
    m.a.ModoJuego = Modalidad::Individual;
    MarcarAsientos("124", m.a);
    m.a.Jugador[4].ControlJugador = Control::Automatico;
    m.usuario.AbandonarEn = "Eventos";
    m.usuario.VezAbandono = 6;
    Contexto c = m.Ctx();
    EXPECT_EQ(ComenzarPartida(c).Fin, FinPartida::Abandonada);
    EXPECT_TRUE(m.e.ManoEnCurso && m.e.NumeroJugada > 3) << m.e.NumeroJugada;
    return {m.e, m.a};
}

TEST(CadenasEstado, ida_y_vuelta_deja_las_mismas_cadenas)
{
    const std::pair<const char*, Estado> casos[] = {{"primera ejecución", PrimeraEjecucion()},
                                                    {"partida en juego", PartidaEnJuego()},
                                                    {"partida larga", PartidaLarga()},
                                                    {"entre tres a medias", EntreTresAMedias()}};
    for (const auto& [que, s] : casos) {
        const CadenasEstado antes = s.Cadenas();
        const Estado leido = Leido(antes);
        EXPECT_EQ(leido.Cadenas(), antes) << que;
    }
    const Estado larga = PartidaLarga();
    const CadenasEstado c = larga.Cadenas();
    EXPECT_EQ(c.CadenaMarcador.size(), 699u * 51);
    EXPECT_EQ(c.CadenaJugadas.size(), 99u * 60);
    const Estado leido = Leido(c);
    EXPECT_EQ(leido.juego.Anotaciones[699], larga.juego.Anotaciones[699]);
    EXPECT_EQ(leido.juego.Jugadas[99], larga.juego.Jugadas[99]);
    EXPECT_EQ(leido.juego.Jugadas.size(), 141u);
    EXPECT_EQ(leido.juego.PasoTurno, -1);

    // Earlier versions played on past hand 700: such a game is read whole, its sheet of 849 hands too.
    Estado antigua = larga;
    antigua.juego.NumeroMano = 850;
    antigua.juego.Anotaciones.resize(851);
    for (std::size_t i = 700; i < 850; ++i) antigua.juego.Anotaciones[i] = larga.juego.Anotaciones[i - 600];
    const Estado leidaAntigua = Leido(antigua.Cadenas());
    EXPECT_EQ(leidaAntigua.juego.NumeroMano, 850);
    EXPECT_EQ(leidaAntigua.juego.Anotaciones[849], larga.juego.Anotaciones[249]);
}

TEST(CapitalizarNombre, mayuscula_tras_cada_blanco_y_minuscula_en_lo_demas_letra_a_letra)
{
    const std::pair<const char*, const char*> casos[] = {
        {"zAZ a", "Zaz A"}, {"àÀÞ×÷", "Ààþ×÷"}, {"þ ÷ ß", "Þ ÷ ß"}, {"šŠ œŒ žŽ ÿŸ", "Šš Œœ Žž Ÿÿ"}};
    for (const auto& [escrito, leido] : casos) EXPECT_EQ(CapitalizarNombre(escrito), leido) << escrito;
}

TEST(TextoGuardableTalCual, solo_lo_que_el_fichero_guarda_sin_cambiarlo)
{
    for (const auto& [texto, tal] :
         {std::pair{"Begoña €", true}, {"O\"Neil", false}, {"Ana\nLuis", false}, {"中", false}})
        EXPECT_EQ(TextoGuardableTalCual(texto), tal) << texto;
}

// Names as the file holds them, in its own code page.
TEST(CargarCadenasEstado, los_nombres_se_leen_recortados_con_mayuscula_inicial_y_sin_caracteres_de_control)
{
    const std::pair<std::string, const char*> casos[] = {{"JOSE luis", "Jose Luis"},
                                                         {"  pepe   ", "Pepe"},
                                                         {"\xC1NGEL \xF1u ", "Ángel Ñu"},
                                                         {"Ana\r\nLuis", "Ana  Luis"},
                                                         {"\t\x01       ", ""}};
    for (const auto& [columnas, nombre] : casos) {
        CadenasEstado cad = PrimeraEjecucion().Cadenas();
        ASSERT_EQ(columnas.size(), 9u);
        cad.CadenaSituacion.replace(31, 9, columnas).replace(93, 9, columnas); // seats 2 and 4
        const Estado leido = Leido(cad);
        EXPECT_EQ(leido.datos.Jugador[2].NombreJugador, nombre) << nombre;
        EXPECT_EQ(leido.datos.Jugador[4].NombreJugador, nombre) << nombre;
    }
}

// Each field by the rule of its group, over settings that differ from the file's: a text that does not
// convert keeps what was there, a setting out of range takes its fallback, the rest is taken as read.
TEST(CargarCadenasEstado, cada_campo_se_lee_con_la_regla_de_su_grupo)
{
    const auto regla = [](const DefinicionAjuste& d) {
        return [&d](const Estado& s) { return d.Leer(s.datos, 0); };
    };
    const auto jugador = [](int p, const DefinicionAjuste& d) {
        return [p, &d](const Estado& s) { return d.Leer(s.datos, p); };
    };
    const auto sonido = [](const Estado& s) { return s.datos.Sonido ? -1 : 0; };
    const auto puesto = [](const Estado& s) { return int(s.juego.PuestoLocal); };
    const std::tuple<std::size_t, std::string, std::function<int(const Estado&)>, int> casos[] = {
        {134, " ", regla(ajuste::SistemaAnotacion), 2}, // blank: kept
        {134, "x", regla(ajuste::SistemaAnotacion), 2}, // not a number: kept
        {139, "5", regla(ajuste::TurnoSalida), 1},      // out of range: fallback
        {132, "3", regla(ajuste::FichasVisiblesPuestas), 2},
        {187, "15", regla(ajuste::RemanentesMonton), 0},
        {178, "15", regla(ajuste::FichasPorJugador), 7},
        {167, "101", regla(ajuste::Velocidad), 50},
        {167, "   ", regla(ajuste::Velocidad), 80},
        {127, "5 ", sonido, -1},
        {127, "0 ", sonido, 0},
        {127, "  ", sonido, 0},
        {10, "   ", jugador(1, ajuste::NivelJugador), 0}, // player blocks: the leading number
        {10, "7x ", jugador(1, ajuste::NivelJugador), 7},
        {10, "150", jugador(1, ajuste::NivelJugador), 50},
        {10, "1.4", jugador(1, ajuste::NivelJugador), 1}, // a fraction rounds half to even
        {10, "1.6", jugador(1, ajuste::NivelJugador), 2},
        {10, "2.5", jugador(1, ajuste::NivelJugador), 2},
        {10, "3.5", jugador(1, ajuste::NivelJugador), 4},
        {10, ".51", jugador(1, ajuste::NivelJugador), 1},
        {10, "-.6", jugador(1, ajuste::NivelJugador), 50}, // -1: out of range
        {10, ".6 ", jugador(1, ajuste::NivelJugador), 1},
        {10, "19 ", jugador(1, ajuste::NivelJugador), 19},
        {10, "1.x", jugador(1, ajuste::NivelJugador), 1},
        {13, " ", jugador(1, ajuste::EstadoJugador), 1},
        {108, " ", jugador(4, ajuste::ControlJugador), 2},
        {175, "000", regla(ajuste::PuntosPartida), 0}, // taken as read
        {175, "-05", regla(ajuste::PuntosPartida), -5},
        {175, "   ", regla(ajuste::PuntosPartida), 99},
        {175, "-  ", regla(ajuste::PuntosPartida), 99},
        {195, "0", puesto, 0},
        {195, " ", puesto, 3},
        {195, "7", puesto, 0},
        {147, "9", regla(ajuste::NumeroJugadores), 4}, // worked out again from the seats
        {173, "0 ", [](const Estado& s) { return int(s.juego.PasoTurno); }, 1},
    };
    for (const auto& [columna, texto, valor, esperado] : casos) {
        CadenasEstado cad = PrimeraEjecucion().Cadenas();
        cad.CadenaSituacion.replace(columna - 1, texto.size(), texto);
        Estado leido = PrimeraEjecucion();
        leido.datos.SistemaAnotacion = Anotacion::Unidades;
        leido.datos.Velocidad = 80;
        leido.datos.Sonido = false;
        leido.datos.PuntosPartida = 99;
        leido.juego.PuestoLocal = 3;
        ASSERT_TRUE(Tomado(CargarCadenasEstado(cad, leido.juego, leido.datos))) << columna;
        EXPECT_EQ(valor(leido), esperado) << "columna " << columna << " «" << texto << "»";
    }
}

TEST(CargarCadenasEstado, las_fichas_por_jugador_que_el_juego_no_alcanza_a_repartir_vuelven_a_siete)
{
    const std::tuple<const char*, Entero, Entero> casos[] = {{"234", 9, 9}, {"234", 10, 7}, {"24", 14, 14}};
    for (const auto& [asientos, fichas, leidas] : casos) {
        Estado s = PrimeraEjecucion();
        MarcarAsientos(asientos, s.datos);
        s.datos.FichasPorJugador = fichas;
        const Estado leido = Leido(s.Cadenas());
        EXPECT_EQ(leido.datos.NumeroJugadores, Entero(std::strlen(asientos)));
        EXPECT_EQ(leido.datos.FichasPorJugador, leidas) << asientos << " " << fichas;
    }
}

// Pairs need the four seats: settings asking for pairs with fewer are read as individual play, as leaving the
// player settings leaves them, and the count of players is the seats', whatever the file says.
TEST(CargarCadenasEstado, por_parejas_sin_los_cuatro_asientos_se_lee_individual)
{
    const std::tuple<const char*, Entero, Modalidad> casos[] = {{"1234", 4, Modalidad::Parejas},
                                                                {"1234", 3, Modalidad::Parejas},
                                                                {"124", 3, Modalidad::Individual},
                                                                {"24", 4, Modalidad::Individual}};
    for (const auto& [asientos, escritos, modo] : casos) {
        Estado s = PrimeraEjecucion();
        MarcarAsientos(asientos, s.datos);
        s.datos.NumeroJugadores = escritos;
        s.datos.ModoJuego = Modalidad::Parejas;
        const Estado leido = Leido(s.Cadenas());
        EXPECT_EQ(leido.datos.ModoJuego, modo) << asientos;
        EXPECT_EQ(leido.datos.NumeroJugadores, Entero(std::strlen(asientos))) << asientos;
        EXPECT_EQ(ValidarReglas(leido.datos), FalloReglas::Ninguno) << asientos;
    }
}

// The first hand before its first move: the double six leads where it opens; drawn by lot, the file's leader.
TEST(CargarCadenasEstado, primera_mano_sin_jugadas_sale_quien_tiene_el_seis_doble)
{
    Estado s = PartidaEnJuego();
    s.juego.NumeroMano = 1;
    s.juego.NumeroJugada = 1;
    s.juego.JugadorTurno = 1;
    s.juego.JugadorSalida = 1;
    for (int p = 1; p <= 4; ++p)
        for (int h = 1; h <= 7; ++h) s.juego.Manos[P(p)][P(h)].Estado = kEnMano;
    s.juego.FichasEnMano = {0, 7, 7, 7, 7};
    s.juego.Linea.Extremos = {0, kNinguna, kNinguna};
    s.juego.Linea.FichasEnExtremo = {0, 0, 0};
    std::swap(s.juego.Manos[3][5], s.juego.Manos[4][7]); // the double six to seat 3
    const std::tuple<Apertura, Entero, Entero> casos[] = {
        {Apertura::SeisDoble, 6, 3}, {Apertura::Sorteo, 6, 1}, {Apertura::SeisDoble, kNinguna, 1}};
    for (const auto& [primera, salida, sale] : casos) {
        s.datos.PrimeraMano = primera;
        s.juego.SalidaA = s.juego.SalidaB = salida;
        const Estado leido = Leido(s.Cadenas());
        EXPECT_EQ(leido.juego.JugadorTurno, sale) << salida;
        EXPECT_EQ(leido.juego.JugadorSalida, sale) << salida;
    }
}

TEST(CargarCadenasEstado, sin_partida_en_curso_la_hoja_y_la_mesa_quedan_vacias)
{
    Estado s = PartidaEnJuego();
    s.juego.PartidaEnCurso = false;
    const Estado leido = Leido(s.Cadenas());
    EXPECT_EQ(leido.juego.NumeroMano, 0);
    EXPECT_EQ(leido.juego.Anotaciones[1], RegistroMano{});
    EXPECT_FALSE(leido.juego.ManoEnCurso);
    EXPECT_EQ(leido.juego.HuecosMano[1], 0);
    EXPECT_EQ(leido.juego.NumeroJugada, 0);
    EXPECT_EQ(leido.datos.Jugador[1].NombreJugador, "Ana");

    // With the game: records 1..14 of a move number of 15, and room for 40 more.
    const Estado otro = Leido(PartidaEnJuego().Cadenas(), leido);
    EXPECT_EQ(otro.juego.Jugadas.size(), 56u);
    EXPECT_EQ(otro.juego.Jugadas[14], PartidaEnJuego().juego.Jugadas[14]);
    EXPECT_EQ(otro.juego.Jugadas[15], RegistroJugada{});
}

TEST(CargarCadenasEstado, partida_entre_dos_manos_guarda_la_mano_recien_anotada)
{
    Estado s = PartidaEnJuego();
    s.juego.ManoEnCurso = false;
    s.juego.Anotaciones[3].Anotada = true;
    s.juego.Anotaciones[3].Sale = "Pepe";
    s.juego.Anotaciones[3].PuntosPareja2 = 31;
    s.juego.Anotaciones[3].DecenasPareja2 = 4;
    s.juego.Monton[14] = {6, 5}; // nothing of the last hand's stock is kept either
    const CadenasEstado c = s.Cadenas();
    EXPECT_EQ(Cols(c.CadenaSituacion, 184, 186), "004");
    EXPECT_EQ(c.CadenaMarcador.size(), 3u * 51);

    const Estado leido = Leido(c);
    EXPECT_TRUE(leido.juego.PartidaEnCurso);
    EXPECT_FALSE(leido.juego.ManoEnCurso);
    EXPECT_EQ(leido.juego.NumeroMano, 3);
    for (std::size_t i = 1; i <= 3; ++i) EXPECT_EQ(leido.juego.Anotaciones[i], s.juego.Anotaciones[i]) << i;
    // The next hand is dealt afresh: nothing of the last one's table is kept.
    EXPECT_EQ(leido.juego.NumeroJugada, 0);
    EXPECT_EQ(Cols(leido.Cadenas().CadenaSituacion, 201, 768),
              Cols(PrimeraEjecucion().Cadenas().CadenaSituacion, 201, 768));
    EXPECT_EQ(leido.juego.Jugadas[1], RegistroJugada{});
    EXPECT_EQ(leido.Cadenas().CadenaMarcador, c.CadenaMarcador);
    EXPECT_EQ(Cols(leido.Cadenas().CadenaSituacion, 184, 186), "004");

    // Hand 3 being dealt, at random or by hand: hands 1 and 2 are all there is to keep, and hand 3 is dealt
    // again.
    for (const bool aMano : {false, true}) {
        Estado d = s;
        (aMano ? d.juego.RepartoEnCurso : d.juego.RepartiendoMano) = true;
        EXPECT_EQ(Cols(d.Cadenas().CadenaSituacion, 184, 186), "003") << aMano;
        EXPECT_EQ(d.Cadenas().CadenaMarcador.size(), 2u * 51) << aMano;
    }
}

TEST(CargarCadenasEstado, un_estado_escrito_al_repartir_la_repeticion_de_un_empate_vuelve_a_repartirla)
{
    // Hand 3 tied, its lead moved on, and its replay being dealt when the state was written: it reads back
    // as the match after hand 2, which was won and scored, and goes on with hand 3, not with hand 2 again.
    Estado s = PartidaEnJuego();
    s.juego.ManoEnCurso = false;
    s.juego.RepartiendoMano = true;
    s.juego.GanadorMano = 0;
    const Estado leido = Leido(s.Cadenas());
    ASSERT_EQ((std::pair<int, int>{leido.juego.NumeroMano, leido.juego.GanadorMano}), (std::pair{2, 0}));
    MotorSinVentana m(3);
    m.e = leido.juego;
    m.a = leido.datos;
    for (std::size_t p = 1; p <= 4; ++p) m.a.Jugador[p].ControlJugador = Control::Automatico;
    Contexto c = m.Ctx();
    ASSERT_EQ(SeguirTrasMano(c), FinMano::Continuar);
    EXPECT_EQ(m.e.NumeroMano, 3);
    EXPECT_EQ(m.e.Anotaciones[2], s.juego.Anotaciones[2]);
}

// The files and the network take their state from the writer, whatever the engine is doing.
class AlmacenConEscritor : public AlmacenNulo
{
public:
    AlmacenConEscritor(const EstadoJuego& e, const Ajustes& a) : e_(e), a_(a) {}
    std::string GenerarCadenaSituacion() override
    {
        std::string s = GenerarCadenasEstado(e_, a_).CadenaSituacion;
        Manos.push_back(Cols(s, 184, 186));
        return s;
    }
    bool GrabarEstado(const std::string&) override
    {
        Manos.push_back(Cols(GenerarCadenasEstado(e_, a_).CadenaSituacion, 184, 186));
        return true;
    }
    std::vector<std::string> Manos; // the hand number of every state written

private:
    const EstadoJuego& e_;
    const Ajustes& a_;
};

TEST(CadenaSituacion, el_reparto_del_administrador_lleva_el_numero_de_la_mano_que_se_reparte)
{
    // A client waits for a deal whose hand is not below its own: one a hand ahead would be taken for the
    // next, and the deal of the hand before would pass for this one.
    MotorSinVentana m(11);
    PonerAjustesPorDefecto(m.e, m.a);
    for (std::size_t p = 1; p <= 4; ++p) m.a.Jugador[p].ControlJugador = Control::Automatico;
    m.a.JuegoEnRed = true;
    m.a.ModoRed = PapelRed::Administrador;
    AlmacenConEscritor almacen(m.e, m.a);
    Contexto c{m.e, m.a, m.pantalla, m.mesa, m.usuario, m.ritmo, m.red, almacen, m.azar};
    m.e.PartidaEnCurso = true;
    for (int mano = 1; mano <= 3; ++mano) {
        SCOPED_TRACE(mano);
        m.red.Enviados.clear();
        almacen.Manos.clear();
        m.e.ManoEnCurso = false;
        m.e.NumeroMano = static_cast<Entero>(mano - 1);
        ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);
        const std::string numero = (mano < 10 ? "00" : "0") + std::to_string(mano);
        int repartos = 0;
        for (const auto& envio : m.red.Enviados) {
            if (envio.mensaje.rfind("ZRP3312", 0) != 0) continue;
            ++repartos;
            EXPECT_EQ(LeerManoDeReparto(envio.mensaje.substr(7)), mano);
        }
        EXPECT_EQ(repartos, 1);
        EXPECT_EQ(almacen.Manos, std::vector<std::string>(almacen.Manos.size(), numero));
        // Once the hand has begun, and between two hands, the state says so as it always did.
        EXPECT_EQ(Cols(GenerarCadenasEstado(m.e, m.a).CadenaSituacion, 184, 186), numero);
        m.e.ManoEnCurso = false;
        EXPECT_EQ(LeerManoDeReparto(GenerarCadenasEstado(m.e, m.a).CadenaSituacion), mano + 1);
    }
}

// Each way a game can fail to hold together drops the game and keeps the settings of the same file.
TEST(CargarCadenasEstado, partida_incoherente_se_descarta_y_quedan_los_ajustes)
{
    struct Caso
    {
        const char* que;
        std::function<void(Estado&)> danar;
        const char* motivo = ""; // what the reason must name, where two checks could both refuse it
    };
    const std::vector<Caso> casos = {
        {"una ficha en dos manos", [](Estado& s) { s.juego.Manos[2][5] = s.juego.Manos[1][5]; }},
        {"un punto 9 en la mano", [](Estado& s) { s.juego.Manos[1][5].PuntoA = kNinguna; },
         "hueco 5 del jugador 1"},
        {"un hueco vacío dentro de la mano", [](Estado& s) { s.juego.HuecosMano[1] = 8; },
         "hueco 8 del jugador 1 está vacío"},
        {"una ficha fuera de la mano", [](Estado& s) { s.juego.HuecosMano[1] = 6; }},
        {"una ficha que no está en ninguna parte",
         [](Estado& s) {
             s.juego.Manos[1][7] = HuecoMano{}, s.juego.HuecosMano[1] = 6, s.juego.FichasEnMano[1] = 3;
         }},
        {"fichas en mano mal contadas", [](Estado& s) { s.juego.FichasEnMano[3] = 5; }},
        {"un asiento que no juega con fichas",
         [](Estado& s) { s.datos.ModoJuego = Modalidad::Individual, MarcarAsientos("124", s.datos); }},
        {"un asiento que no juega con huecos y ninguna ficha contada",
         [](Estado& s) {
             s.datos.ModoJuego = Modalidad::Individual, MarcarAsientos("124", s.datos),
             s.juego.FichasEnMano[3] = 0;
         },
         "no juega"},
        {"parejas sin cuatro jugadores", [](Estado& s) { MarcarAsientos("124", s.datos); }},
        {"turno fuera de la mesa", [](Estado& s) { s.juego.JugadorTurno = 5; }},
        {"salida de nadie", [](Estado& s) { s.juego.JugadorSalida = 0; }},
        {"montón con huecos vacíos", [](Estado& s) { s.juego.FichasMonton = 2; }},
        {"ficha del montón repetida",
         [](Estado& s) {
             s.juego.FichasMonton = 1, s.juego.Monton[1] = {6, 6};
         }},
        {"extremo sin número", [](Estado& s) { s.juego.Linea.Extremos[1] = kNinguna; }},
        {"el otro extremo sin número", [](Estado& s) { s.juego.Linea.Extremos[2] = kNinguna; }},
        {"línea mal contada", [](Estado& s) { s.juego.Linea.FichasEnExtremo[1] = 2; }},
        {"jugada de nadie", [](Estado& s) { s.juego.Jugadas[3].Jugador = 0; }},
        {"jugada en el extremo 5", [](Estado& s) { s.juego.Jugadas[3].Extremo = 5; }},
        {"jugada con una ficha que sigue en la mano",
         [](Estado& s) {
             s.juego.Jugadas[1].PuntoUnido = 2, s.juego.Jugadas[1].PuntoAbierto = 1;
         }}, // seat 1's fifth tile
        {"ficha puesta dos veces", [](Estado& s) { s.juego.Jugadas[9] = s.juego.Jugadas[1]; }},
        {"anotación negativa", [](Estado& s) { s.juego.Anotaciones[1].PuntosPareja1 = -5; }},
        {"mano 0 en una partida", [](Estado& s) { s.juego.NumeroMano = 0; }},
        {"más jugadas de las que caben",
         [](Estado& s) { s.juego.Jugadas.resize(150), s.juego.NumeroJugada = 101; }, "jugada 101"},
        {"ganador que no juega", [](Estado& s) { s.juego.GanadorMano = 3; }},
        {"entre dos manos sin salida",
         [](Estado& s) { s.juego.ManoEnCurso = false, s.juego.JugadorSalida = 0; }},
    };
    // A line cut short: the reason says how much of it is there.
    const std::tuple<const char*, std::string CadenasEstado::*, std::size_t> cortes[] = {
        {"la hoja de tanteo guarda 1 de las 2 manos jugadas", &CadenasEstado::CadenaMarcador, 60},
        {"la lista guarda 10 de las 14 jugadas hechas", &CadenasEstado::CadenaJugadas, 600}};

    auto comprobar = [](const char* que, const CadenasEstado& cad, const std::string& motivo = "") {
        Estado leido = PartidaLarga();
        const ResultadoLectura r = CargarCadenasEstado(cad, leido.juego, leido.datos);
        EXPECT_FALSE(r.Ilegible) << que;
        ASSERT_TRUE(r.PartidaDescartada) << que;
        EXPECT_FALSE(r.PartidaDescartada->empty()) << que;
        EXPECT_NE(r.PartidaDescartada->find(motivo), std::string::npos) << *r.PartidaDescartada;
        EXPECT_EQ(leido.datos.Jugador[1].NombreJugador, "Ana") << que;
        EXPECT_EQ(leido.datos.Jugador[2].DireccionIP, "192.168.1.20") << que;
        EXPECT_FALSE(leido.juego.PartidaEnCurso) << que;
        EXPECT_FALSE(leido.juego.ManoEnCurso) << que;
        EXPECT_EQ(leido.juego.NumeroMano, 0) << que;
        EXPECT_EQ(leido.juego.Anotaciones[1], RegistroMano{}) << que;
        EXPECT_EQ(leido.juego.HuecosMano[1], 0) << que;
        EXPECT_EQ(leido.juego.JugadorTurno, 0) << que;
    };
    Leido(PartidaEnJuego().Cadenas(), PartidaLarga()); // undamaged, the same game is taken whole
    for (const Caso& c : casos) {
        Estado s = PartidaEnJuego();
        c.danar(s);
        comprobar(c.que, s.Cadenas(), c.motivo);
    }
    for (const auto& [que, linea, largo] : cortes) {
        CadenasEstado cad = PartidaEnJuego().Cadenas();
        (cad.*linea).resize(largo);
        comprobar(que, cad, que);
    }
}

TEST(CargarCadenasEstado, sin_situacion_entera_no_se_toma_nada)
{
    const CadenasEstado bueno = PartidaEnJuego().Cadenas();
    for (const std::string& situacion : {std::string(), bueno.CadenaSituacion.substr(0, 767)}) {
        Estado s = PartidaLarga();
        const CadenasEstado antes = s.Cadenas();
        CadenasEstado cad = bueno;
        cad.CadenaSituacion = situacion;
        const ResultadoLectura r = CargarCadenasEstado(cad, s.juego, s.datos);
        ASSERT_TRUE(r.Ilegible) << situacion.size();
        EXPECT_NE(r.Ilegible->find("línea 1"), std::string::npos) << *r.Ilegible;
        EXPECT_EQ(s.Cadenas(), antes);
    }
}

} // namespace
