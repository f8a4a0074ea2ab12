#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/cierre.h"
#include "engine/fin_mano.h"
#include "manos_prueba.h"
#include "partida_banco.h"

namespace zp {
namespace {

using prueba::BancoPartida;
using prueba::Dar;
using prueba::Fichas;

// Hand `mano` just ended on a move of `mover`: the tiles each seat still holds (a seat with none has
// dominoed), the seat that led it. The target is out of reach unless a test sets it.
void PrepararFinal(BancoPartida& b, Entero mano, Entero salida, Entero mover,
                   const std::vector<Fichas>& manos)
{
    b.e.PartidaEnCurso = true;
    b.e.ManoEnCurso = true;
    b.e.NumeroMano = mano;
    b.e.JugadorSalida = salida;
    b.e.JugadorTurno = mover;
    b.e.NumeroJugada = 20;
    b.e.Anotaciones.assign(kEntradasMarcador + 1, RegistroMano{});
    for (std::size_t p = 1; p <= 4; ++p) Dar(b.e, p, manos[p - 1]);
    b.a.PuntosPartida = 999;
    b.a.PausaEntreJugadas = false;
    for (std::size_t p = 1; p <= 4; ++p) b.a.Jugador[p].ControlJugador = Control::Automatico;
    b.a.Jugador[1].NombreJugador = "Ana";
    b.a.Jugador[2].NombreJugador = "Berta";
    b.a.Jugador[3].NombreJugador = "Carlos";
    b.a.Jugador[4].NombreJugador = "Dani";
}

std::string Texto(const BancoPartida& b, const std::string& titulo)
{
    for (const auto& m : b.usuario.Mensajes)
        if (m.titulo == titulo) return m.texto;
    return "(no se mostró «" + titulo + "»)";
}

bool Mostrado(const BancoPartida& b, const std::string& titulo)
{
    for (const auto& m : b.usuario.Mensajes)
        if (m.titulo == titulo) return true;
    return false;
}

TEST(FinMano, las_decenas_son_de_diez_en_diez_y_sin_puntos_no_hay_decena)
{
    const std::pair<int, int> casos[] = {{0, 0},  {1, 1},  {9, 1},   {10, 1},  {11, 2},
                                         {20, 2}, {21, 3}, {92, 10}, {168, 17}};
    for (const auto& [puntos, decenas] : casos) EXPECT_EQ(DecenasDe(puntos), decenas) << puntos;
}

TEST(FinMano, un_domino_anota_los_puntos_y_decenas_de_todas_las_manos_o_de_la_pareja_perdedora)
{
    struct Caso
    {
        const char* nombre;
        Entero anotacion, queSeAnotan, parejaQueSeAnota;
        Entero mover;
        std::vector<Fichas> manos;
        std::string texto;
        Entero p1, d1, p2, d2;
    };
    const Caso casos[] = {
        {"10 puntos hacen 1 decena",
         1,
         1,
         1,
         2,
         {{{4, 1}}, {}, {{3, 2}}, {}},
         "Puntos :  10       Decenas :  1\r\nHabeis ganado el juego Berta y Dani",
         10,
         1,
         0,
         0},
        {"11 puntos hacen 2",
         1,
         1,
         1,
         3,
         {{{5, 1}}, {{2, 2}}, {}, {{1, 0}}},
         "Puntos :  11       Decenas :  2\r\nHan ganado el juego Ana y Carlos",
         0,
         0,
         11,
         2},
        {"ninguna ficha con puntos",
         1,
         1,
         1,
         4,
         {{{0, 0}}, {}, {}, {}},
         "Puntos :  0       Decenas :  0\r\nHabeis ganado el juego Berta y Dani",
         0,
         0,
         0,
         0},
        {"por unidades no se dicen decenas",
         2,
         1,
         1,
         1,
         {{}, {{6, 5}}, {{6, 6}}, {{1, 1}}},
         "Puntos :  25\r\nHan ganado el juego Ana y Carlos",
         0,
         0,
         25,
         3},
        // Only the losing pair's pips: seats 2 and 4 hold 13, the winning partner's 6-6 does not count.
        {"de la pareja perdedora",
         1,
         2,
         1,
         1,
         {{}, {{6, 5}}, {{6, 6}}, {{1, 1}}},
         "Puntos :  13       Decenas :  2\r\nHan ganado el juego Ana y Carlos",
         0,
         0,
         13,
         2},
        // Written in the losing pair's column.
        {"en la columna de la perdedora",
         1,
         2,
         2,
         1,
         {{}, {{6, 5}}, {{6, 6}}, {{1, 1}}},
         "Puntos :  13       Decenas :  2\r\nHan ganado el juego Ana y Carlos",
         13,
         2,
         0,
         0},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        BancoPartida b;
        PrepararFinal(b, 3, 1, k.mover, k.manos);
        b.a.SistemaAnotacion = static_cast<Anotacion>(k.anotacion);
        b.a.PuntosQueSeAnotan = static_cast<PuntosAnotados>(k.queSeAnotan);
        b.a.ParejaQueSeAnota = static_cast<ParejaAnotada>(k.parejaQueSeAnota);
        EXPECT_EQ(TerminarMano(b.c), FinMano::Continuar);
        EXPECT_FALSE(Mostrado(b, "C i e r r e"));
        EXPECT_EQ(Texto(b, "Final de este juego"),
                  k.texto + "\r\n(Pulse el botón Cancelar si desea retroceder)");
        const RegistroMano& r = b.e.Anotaciones[3];
        EXPECT_EQ(r.Sale, "Ana");
        EXPECT_EQ(r.PuntosPareja1, k.p1);
        EXPECT_EQ(r.DecenasPareja1, k.d1);
        EXPECT_EQ(r.PuntosPareja2, k.p2);
        EXPECT_EQ(r.DecenasPareja2, k.d2);
        EXPECT_NE(
            std::find(b.diario.begin(), b.diario.end(), "MostrarSenalDomino " + std::to_string(k.mover)),
            b.diario.end());
        // Every hand shown face up, the players' settings left as they were.
        for (int p = 1; p <= 4; ++p) {
            const std::string vista = "DibujarMano " + std::to_string(p) + " descubierta";
            EXPECT_NE(std::find(b.diario.begin(), b.diario.end(), vista), b.diario.end()) << vista;
        }
        EXPECT_EQ(b.a.Jugador[1].FichasJugador, VistaFichas::Ocultas);
        EXPECT_EQ(b.e.NumeroMano, 4); // the next hand is dealt
    }
}

TEST(FinMano, una_mano_cerrada_la_gana_quien_tiene_menos_puntos)
{
    // Individual play, three seats: Berta holds fewest.
    BancoPartida b;
    b.Asientos("123");
    PrepararFinal(b, 2, 1, 3, {{{6, 4}}, {{2, 1}}, {{5, 5}, {0, 0}}, {}});
    b.a.SistemaAnotacion = Anotacion::Decenas;
    EXPECT_EQ(TerminarMano(b.c), FinMano::Continuar);
    EXPECT_EQ(
        Texto(b, "C i e r r e"),
        "Ana :  10\r\nBerta :   3\r\nCarlos :  10\r\n\r\n(Pulse el botón Cancelar si desea retroceder)");
    EXPECT_EQ(b.usuario.Mensajes[0].lineas, 5);
    EXPECT_EQ(Texto(b, "Final de este juego"),
              "Puntos :  23       Decenas :  3\r\nHa ganado el juego Berta\r\n"
              "(Pulse el botón Cancelar si desea retroceder)");
    EXPECT_EQ(b.e.Anotaciones[2].PuntosJugador[2], 23);
    EXPECT_EQ(b.e.Anotaciones[2].DecenasJugador[2], 3);
    EXPECT_EQ(b.e.PuntosJugador[2], 3);
}

TEST(FinMano, la_matriz_de_empates_decide_ganador_repeticion_y_quien_sale)
{
    struct Caso
    {
        const char* nombre;
        Entero modo, regla, turnoSalida, salidaEmpate, salida;
        std::string linea;    // the tie's line in "C i e r r e"
        bool anotada;         // an entry is written for hand 5
        Entero columna;       // pair column or seat that receives it
        Entero manoSiguiente; // hand number dealt next
        Entero saleSiguiente; // who leads it (0: not checked)
    };
    const Caso casos[] = {
        {"parejas, se repite y sale el mismo", 1, 1, 1, 1, 3,
         "EMPATE -> Se repite el juego y sale el mismo jugador.", false, 0, 5, 3},
        // The lead moves on to the next hand as after any other: the tied one keeps its number, unscored.
        {"parejas, se repite y se corre el turno", 1, 1, 1, 2, 3,
         "EMPATE -> Se repite el juego y se corre el turno de salida.", false, 0, 6, 4},
        // The lead by the winner or the losing pair: the same seat leads the replay, not its pair's choice.
        {"parejas, sale el ganador: repite quien salió", 1, 1, 3, 1, 2, "EMPATE -> Se repite el juego", false,
         0, 5, 2},
        {"parejas, sale la perdedora: repite quien salió", 1, 1, 4, 1, 1, "EMPATE -> Se repite el juego",
         false, 0, 5, 1},
        {"parejas, gana la pareja que salió", 1, 2, 1, 1, 3, "EMPATE -> Gana la pareja que salió.", true, 2,
         6, 4},
        {"parejas, gana la pareja que no salió", 1, 3, 1, 1, 3, "EMPATE -> Gana la pareja que no salió.",
         true, 1, 6, 4},
        {"individual, gana el jugador que salió", 2, 2, 1, 1, 2, "EMPATE -> Gana el jugador que salió.", true,
         2, 6, 3},
        // Rule 3 names a pair, which is no seat: individual play replays the hand.
        {"individual, la regla de parejas repite la mano", 2, 3, 1, 1, 2,
         "EMPATE -> Se repite el juego y sale el mismo jugador.", false, 0, 5, 2},
        {"individual, sale el ganador: repite quien salió", 2, 1, 3, 1, 3, "EMPATE -> Se repite el juego",
         false, 0, 5, 3},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        BancoPartida b(7);
        if (k.modo == 1) {
            // Seats 2 and 4 hold 9, seats 1 and 3 hold 9.
            PrepararFinal(b, 5, k.salida, 1, {{{3, 2}}, {{4, 1}}, {{2, 2}}, {{2, 2}}});
        } else {
            b.Asientos("123");
            // Ana and Berta share the fewest pips; Carlos holds more.
            PrepararFinal(b, 5, k.salida, 1, {{{3, 1}}, {{2, 2}}, {{6, 6}}, {}});
        }
        b.a.ModoJuego = static_cast<Modalidad>(k.modo);
        b.a.GanadorSiEmpate = static_cast<Empate>(k.regla);
        b.a.TurnoSalida = static_cast<ReglaSalida>(k.turnoSalida);
        b.a.SalidaSiEmpate = static_cast<SalidaEmpate>(k.salidaEmpate);
        ASSERT_EQ(TerminarMano(b.c), FinMano::Continuar);
        const std::string cierre = Texto(b, "C i e r r e");
        EXPECT_NE(cierre.find("\r\n" + k.linea + "\r\n(Pulse"), std::string::npos) << cierre;
        EXPECT_EQ(Mostrado(b, "Final de este juego"), k.anotada);
        const RegistroMano& r = b.e.Anotaciones[5];
        if (k.anotada && k.modo == 1) {
            EXPECT_EQ(k.columna == 1 ? r.PuntosPareja1 : r.PuntosPareja2, 18);
        } else if (k.anotada) {
            EXPECT_EQ(r.PuntosJugador[static_cast<std::size_t>(k.columna)], 20);
        } else {
            EXPECT_EQ(r, RegistroMano{});
        }
        EXPECT_EQ(b.e.NumeroMano, k.manoSiguiente);
        EXPECT_EQ(b.e.JugadorSalida, k.saleSiguiente);
    }
}

TEST(FinMano, los_totales_suman_decenas_o_puntos_y_no_pasan_de_999)
{
    struct Caso
    {
        Entero anotacion;
        int puntosPorMano, decenasPorMano, manos;
        Entero total;
    };
    const Caso casos[] = {{1, 50, 5, 3, 15},
                          {2, 50, 5, 3, 150},
                          {2, 168, 17, 6, 999},
                          {1, 168, 17, 70, 999},
                          {1, 168, 17, 58, 986}};
    for (const auto& k : casos) {
        for (Entero modo : {Entero{1}, Entero{2}}) {
            EstadoJuego e;
            Ajustes a;
            a.ModoJuego = static_cast<Modalidad>(modo);
            a.SistemaAnotacion = static_cast<Anotacion>(k.anotacion);
            e.NumeroMano = static_cast<Entero>(k.manos);
            for (int h = 1; h <= k.manos; ++h) {
                RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(h)];
                r.PuntosPareja2 = r.PuntosJugador[3] = static_cast<Entero>(k.puntosPorMano);
                r.DecenasPareja2 = r.DecenasJugador[3] = static_cast<Entero>(k.decenasPorMano);
            }
            CalcularTotales(e, a);
            EXPECT_EQ(e.TotalPareja2, k.total);
            EXPECT_EQ(e.PuntosJugador[3], k.total);
            EXPECT_EQ(e.TotalPareja1, 0);
        }
    }
}

TEST(FinMano, la_partida_termina_cuando_alguien_alcanza_los_puntos_de_partida)
{
    struct Caso
    {
        Entero modo;
        Entero total1, total2, jugador3;
        bool termina;
    };
    const Caso casos[] = {{1, 29, 29, 0, false}, {1, 30, 0, 0, true}, {1, 0, 31, 0, true},
                          {2, 0, 0, 29, false},  {2, 0, 0, 30, true}, {2, 40, 40, 0, false}};
    for (const auto& k : casos) {
        EstadoJuego e;
        Ajustes a;
        a.ModoJuego = static_cast<Modalidad>(k.modo);
        a.PuntosPartida = 30;
        e.TotalPareja1 = k.total1;
        e.TotalPareja2 = k.total2;
        e.PuntosJugador[3] = k.jugador3;
        EXPECT_EQ(ComprobarFinPartida(e, a), k.termina) << k.modo << " " << k.total1 << " " << k.jugador3;
    }
}

TEST(FinMano, al_terminar_la_partida_se_anuncia_y_se_entrega_el_historico_si_se_acepta)
{
    struct Caso
    {
        Entero modo;
        Entero mover;
        bool actualizar;
        std::string texto;
        int lineas;
    };
    const Caso casos[] = {
        {1, 3, true, "Han ganado la partida \r\nAna y Carlos", 2},
        {1, 4, false, "Habeis ganado la partida \r\nBerta y Dani", 2},
        {2, 4, true, "Dani, has ganado la partida. ", 1},
        {2, 1, true, "Ha ganado la partida Ana", 1},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.texto);
        BancoPartida b;
        std::vector<Fichas> manos = {{{6, 6}}, {{6, 5}}, {{5, 5}}, {{4, 4}}};
        manos[static_cast<std::size_t>(k.mover - 1)].clear();
        PrepararFinal(b, 4, 1, k.mover, manos);
        b.a.ModoJuego = static_cast<Modalidad>(k.modo);
        b.a.SistemaAnotacion = Anotacion::Unidades;
        b.a.PuntosPartida = 5;
        if (!k.actualizar) {
            b.usuario.RechazarTitulo = "Histórico de partidas jugadas";
            b.usuario.VecesRechazo = 1;
        }
        EXPECT_EQ(TerminarMano(b.c), FinMano::PartidaTerminada);
        ASSERT_GE(b.usuario.Mensajes.size(), 3u);
        const auto& fin = b.usuario.Mensajes[b.usuario.Mensajes.size() - 2];
        EXPECT_EQ(fin.titulo, "Final de Partida");
        EXPECT_EQ(fin.texto, k.texto);
        EXPECT_EQ(fin.lineas, k.lineas);
        const auto& pregunta = b.usuario.Mensajes.back();
        EXPECT_EQ(pregunta.titulo, "Histórico de partidas jugadas");
        EXPECT_EQ(pregunta.texto, "¿Se actualiza el Histórico de partidas?");
        EXPECT_EQ(pregunta.botones, 2);
        EXPECT_EQ(pregunta.ayuda, 2183);
        ASSERT_EQ(b.almacen.Historico.size(), k.actualizar ? 1u : 0u);
        if (k.actualizar) {
            const ResumenPartida& r = b.almacen.Historico[0];
            EXPECT_EQ(Codigo(r.ModoJuego), k.modo);
            EXPECT_EQ(r.Ganador, k.modo == 1 ? ParejaDe(k.mover) : k.mover);
            EXPECT_EQ(r.NombreJugador[1], "Ana");
            EXPECT_EQ(r.TotalPareja1, b.e.TotalPareja1);
            EXPECT_EQ(r.TotalPareja2, b.e.TotalPareja2);
            EXPECT_EQ(r.PuntosJugador, b.e.PuntosJugador);
            EXPECT_GE(k.modo == 1 ? std::max(r.TotalPareja1, r.TotalPareja2)
                                  : r.PuntosJugador[static_cast<std::size_t>(k.mover)],
                      5);
        }
    }
}

TEST(FinMano, en_red_los_mensajes_del_final_tienen_un_boton_y_no_ofrecen_retroceder)
{
    BancoPartida b;
    PrepararFinal(b, 2, 1, 1, {{{3, 2}}, {{4, 1}}, {{6, 2}}, {{2, 2}}});
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    ASSERT_EQ(TerminarMano(b.c), FinMano::Continuar);
    ASSERT_GE(b.usuario.Mensajes.size(), 2u);
    EXPECT_EQ(b.usuario.Mensajes[0].texto, "Berta y Dani :  9\r\nAna y Carlos :  13");
    EXPECT_EQ(b.usuario.Mensajes[0].botones, 1);
    EXPECT_EQ(b.usuario.Mensajes[0].lineas, 2);
    EXPECT_EQ(b.usuario.Mensajes[1].texto,
              "Puntos :  22       Decenas :  3\r\nHabeis ganado el juego Berta y Dani");
    EXPECT_EQ(b.usuario.Mensajes[1].botones, 1);
    EXPECT_EQ(b.usuario.Mensajes[1].lineas, 2);
}

TEST(FinMano, la_mano_999_es_la_ultima_y_la_partida_acaba_con_los_tantos_que_hay)
{
    for (const Entero mano : {Entero{998}, Entero{999}}) {
        BancoPartida b;
        PrepararFinal(b, mano, 1, 2, {{{6, 6}}, {}, {{1, 0}}, {{2, 0}}});
        b.a.SistemaAnotacion = Anotacion::Unidades;
        // Before this hand: Ana and Carlos are ahead.
        b.e.Anotaciones[10].PuntosPareja2 = 500;
        const FinMano fin = TerminarMano(b.c);
        if (mano == 998) {
            EXPECT_EQ(fin, FinMano::Continuar);
            EXPECT_EQ(b.e.NumeroMano, 999);
            EXPECT_FALSE(Mostrado(b, "Límite de manos"));
            continue;
        }
        EXPECT_EQ(fin, FinMano::PartidaTerminada);
        EXPECT_EQ(Texto(b, "Límite de manos"), "Se han jugado 999 manos, el máximo de una partida.\r\n"
                                               "La partida termina con los tantos conseguidos hasta ahora.");
        // Berta and Dani won the last hand, but the match goes to the pair ahead on the totals.
        EXPECT_EQ(b.e.TotalPareja1, 15);
        EXPECT_EQ(b.e.TotalPareja2, 500);
        EXPECT_EQ(Texto(b, "Final de Partida"), "Han ganado la partida \r\nAna y Carlos");
        ASSERT_EQ(b.almacen.Historico.size(), 1u);
        EXPECT_EQ(b.almacen.Historico[0].Ganador, 2);
    }
}

} // namespace
} // namespace zp
