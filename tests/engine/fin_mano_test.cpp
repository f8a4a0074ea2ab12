// The end of a hand and of the match: the winner, points and tens, the tie rules, the messages, the score
// sheet, the totals and the history.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/cierre.h"
#include "engine/fin_mano.h"
#include "engine/indices.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

// Hand `mano` just ended on a move of `mover`: the tiles each seat still holds ("61 22"; a seat with none
// has dominoed), the seat that led it. The target is out of reach unless a test sets it.
void PrepararFinal(Banco& b, Entero mano, Entero salida, Entero mover, const std::vector<std::string>& manos)
{
    b.e.PartidaEnCurso = b.e.ManoEnCurso = true;
    b.e.NumeroMano = mano;
    b.e.JugadorSalida = salida;
    b.e.JugadorTurno = mover;
    b.e.NumeroJugada = 20;
    b.e.Anotaciones.assign(kEntradasMarcador + 1, RegistroMano{});
    const char* nombres[] = {"", "Ana", "Berta", "Carlos", "Dani"};
    for (std::size_t p = 1; p <= 4; ++p) {
        DarFichas(b.e, static_cast<Entero>(p), manos[p - 1]);
        b.a.Jugador[p].ControlJugador = Control::Automatico;
        b.a.Jugador[p].NombreJugador = nombres[p];
    }
    b.a.PuntosPartida = 999;
}

std::string Texto(const Banco& b, const std::string& titulo)
{
    for (const auto& m : b.usuario.Mensajes)
        if (m.titulo == titulo) return m.texto;
    return "(no se mostró «" + titulo + "»)";
}

const std::string kRetroceder = "\r\n(Pulse el botón Cancelar si desea retroceder)";

TEST(FinMano, un_domino_anota_los_puntos_y_decenas_de_todas_las_manos_o_de_la_pareja_perdedora)
{
    const auto D = Anotacion::Decenas, U = Anotacion::Unidades;
    const auto T = PuntosAnotados::DeTodos, P = PuntosAnotados::DeLaPerdedora;
    const auto G = ParejaAnotada::Ganadora, L = ParejaAnotada::Perdedora;
    // Scoring, whose points and which pair's column; the seat that dominoes and the tiles left; the box
    // and the points and tens written for pair 1 then pair 2.
    // clang-format off
    const std::tuple<Anotacion, PuntosAnotados, ParejaAnotada, Entero, std::vector<std::string>, std::string,
                     std::array<Entero, 4>> casos[] = {
        {D, T, G, 2, {"41", "", "32", ""}, "Puntos :  10       Decenas :  1\r\nHabeis ganado el juego Berta y Dani", {10, 1, 0, 0}},
        {D, T, G, 3, {"51", "22", "", "10"}, "Puntos :  11       Decenas :  2\r\nHan ganado el juego Ana y Carlos", {0, 0, 11, 2}},
        {D, T, G, 4, {"00", "", "", ""}, "Puntos :  0       Decenas :  0\r\nHabeis ganado el juego Berta y Dani", {0, 0, 0, 0}},
        {U, T, G, 1, {"", "65", "66", "11"}, "Puntos :  25\r\nHan ganado el juego Ana y Carlos", {0, 0, 25, 3}},
        // Only the losing pair's pips: the winning partner's 6-6 does not count; then in the loser's column.
        {D, P, G, 1, {"", "65", "66", "11"}, "Puntos :  13       Decenas :  2\r\nHan ganado el juego Ana y Carlos", {0, 0, 13, 2}},
        {D, P, L, 1, {"", "65", "66", "11"}, "Puntos :  13       Decenas :  2\r\nHan ganado el juego Ana y Carlos", {13, 2, 0, 0}},
    };
    // clang-format on
    for (const auto& [anotacion, queSeAnotan, pareja, mover, manos, texto, anotado] : casos) {
        SCOPED_TRACE(texto);
        Banco b;
        PrepararFinal(b, 3, 1, mover, manos);
        b.a.SistemaAnotacion = anotacion;
        b.a.PuntosQueSeAnotan = queSeAnotan;
        b.a.ParejaQueSeAnota = pareja;
        EXPECT_EQ(TerminarMano(b.c), FinMano::Continuar);
        ASSERT_EQ(b.usuario.Mensajes.size(), 1u);
        EXPECT_EQ(Texto(b, "Final de este juego"), texto + kRetroceder);
        const RegistroMano& r = b.e.Anotaciones[3];
        EXPECT_EQ(r.Sale, "Ana");
        EXPECT_EQ(
            (std::array<Entero, 4>{r.PuntosPareja1, r.DecenasPareja1, r.PuntosPareja2, r.DecenasPareja2}),
            anotado);
        EXPECT_TRUE(b.mesa.Hubo("MostrarSenalDomino " + std::to_string(mover)));
        // Every hand shown face up, the players' settings left as they were; the next hand is dealt.
        for (int p = 1; p <= 4; ++p)
            EXPECT_TRUE(b.mesa.Hubo("DibujarMano " + std::to_string(p) + " descubierta"));
        EXPECT_EQ(b.a.Jugador[1].FichasJugador, VistaFichas::Ocultas);
        EXPECT_EQ(b.e.NumeroMano, 4);
    }
}

TEST(FinMano, una_mano_cerrada_la_gana_quien_tiene_menos_puntos)
{
    // Individual play, three seats: Berta holds fewest.
    Banco b;
    b.Asientos("123");
    PrepararFinal(b, 2, 1, 3, {"64", "21", "55 00", ""});
    b.e.Anotaciones.resize(1); // a sheet read short grows to the hand
    EXPECT_EQ(TerminarMano(b.c), FinMano::Continuar);
    EXPECT_GE(b.e.Anotaciones.size(), 3u);
    EXPECT_EQ(Texto(b, "C i e r r e"), "Ana :  10\r\nBerta :   3\r\nCarlos :  10\r\n" + kRetroceder);
    EXPECT_EQ(b.usuario.Mensajes[0].lineas, 5);
    EXPECT_EQ(Texto(b, "Final de este juego"),
              "Puntos :  23       Decenas :  3\r\nHa ganado el juego Berta" + kRetroceder);
    EXPECT_EQ(b.e.Anotaciones[2].PuntosJugador[2], 23);
    EXPECT_EQ(b.e.Anotaciones[2].DecenasJugador[2], 3);
    EXPECT_EQ(b.e.PuntosJugador[2], 3);
}

TEST(FinMano, la_matriz_de_empates_decide_ganador_repeticion_y_quien_sale)
{
    // Mode, tie rule, lead rule, lead after a tie, leader; the tie's line in "C i e r r e"; the pair column
    // or seat that receives the entry of hand 5 (0 none); the hand dealt next and who leads it.
    // clang-format off
    const std::tuple<Entero, Entero, Entero, Entero, Entero, std::string, Entero, Entero, Entero> casos[] = {
        {1, 1, 1, 1, 3, "EMPATE -> Se repite el juego y sale el mismo jugador.", 0, 5, 3},
        // The lead moves on as after any other hand, and the replay keeps the tied hand's number.
        {1, 1, 1, 2, 3, "EMPATE -> Se repite el juego y se corre el turno de salida.", 0, 5, 4},
        // The lead by the winner or the losing pair: the same seat leads the replay, not its pair's choice.
        {1, 1, 3, 1, 2, "EMPATE -> Se repite el juego", 0, 5, 2},
        {1, 1, 4, 1, 1, "EMPATE -> Se repite el juego", 0, 5, 1},
        {1, 2, 1, 1, 3, "EMPATE -> Gana la pareja que salió.", 2, 6, 4},
        {1, 3, 1, 1, 3, "EMPATE -> Gana la pareja que no salió.", 1, 6, 4},
        {2, 2, 1, 1, 2, "EMPATE -> Gana el jugador que salió.", 2, 6, 3},
        // Rule 3 names a pair, which is no seat: individual play replays the hand.
        {2, 3, 1, 1, 2, "EMPATE -> Se repite el juego y sale el mismo jugador.", 0, 5, 2},
        {2, 1, 3, 1, 3, "EMPATE -> Se repite el juego", 0, 5, 3},
    };
    // clang-format on
    for (const auto& [modo, regla, turnoSalida, salidaEmpate, salida, linea, columna, mano, sale] : casos) {
        SCOPED_TRACE(linea + " " + std::to_string(modo) + std::to_string(turnoSalida));
        Banco b(7);
        if (modo == 1) {
            PrepararFinal(b, 5, salida, 1, {"32", "41", "22", "22"}); // 9 pips a pair
        } else {
            b.Asientos("123");
            PrepararFinal(b, 5, salida, 1, {"31", "22", "66", ""}); // Ana and Berta share the fewest
        }
        b.a.ModoJuego = static_cast<Modalidad>(modo);
        b.a.GanadorSiEmpate = static_cast<Empate>(regla);
        b.a.TurnoSalida = static_cast<ReglaSalida>(turnoSalida);
        b.a.SalidaSiEmpate = static_cast<SalidaEmpate>(salidaEmpate);
        ASSERT_EQ(TerminarMano(b.c), FinMano::Continuar);
        const std::string cierre = Texto(b, "C i e r r e");
        EXPECT_NE(cierre.find("\r\n" + linea + kRetroceder), std::string::npos) << cierre;
        EXPECT_EQ(b.usuario.Mensajes.size(), columna ? 2u : 1u);
        RegistroMano anotado;
        if (columna != 0 && modo == 1) {
            (columna == 1 ? anotado.PuntosPareja1 : anotado.PuntosPareja2) = 18;
            (columna == 1 ? anotado.DecenasPareja1 : anotado.DecenasPareja2) = 2;
        } else if (columna != 0) {
            anotado.PuntosJugador[I(columna)] = 20;
            anotado.DecenasJugador[I(columna)] = 2;
        }
        if (columna != 0) anotado.Sale = b.a.Jugador[I(salida)].NombreJugador;
        anotado.Anotada = columna != 0; // a hand played again has no entry
        EXPECT_EQ(b.e.Anotaciones[5], anotado);
        EXPECT_EQ((std::pair{b.e.NumeroMano, b.e.JugadorSalida}), (std::pair{mano, sale}));
    }
}

TEST(FinMano, las_decenas_van_de_diez_en_diez_y_los_totales_suman_decenas_o_puntos_y_no_pasan_de_999)
{
    for (const auto& [puntos, decenas] :
         {std::pair{0, 0}, {1, 1}, {9, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {168, 17}})
        EXPECT_EQ(DecenasDe(puntos), decenas) << puntos;
    // Scoring, points and tens of each hand, hands, total.
    const auto D = Anotacion::Decenas, U = Anotacion::Unidades;
    const std::tuple<Anotacion, Entero, Entero, Entero, Entero> casos[] = {
        {D, 50, 5, 3, 15},    {U, 50, 5, 3, 150},    {U, 168, 17, 6, 999},
        {U, 333, 17, 3, 999}, {D, 168, 17, 70, 999}, {D, 168, 17, 58, 986}};
    for (const auto& [anotacion, puntosPorMano, decenasPorMano, manos, total] : casos) {
        for (const Modalidad modo : {Modalidad::Parejas, Modalidad::Individual}) {
            EstadoJuego e;
            Ajustes a;
            a.ModoJuego = modo;
            a.SistemaAnotacion = anotacion;
            e.NumeroMano = manos;
            for (std::size_t h = 1; h <= I(manos); ++h) {
                e.Anotaciones[h].PuntosPareja2 = e.Anotaciones[h].PuntosJugador[3] = puntosPorMano;
                e.Anotaciones[h].DecenasPareja2 = e.Anotaciones[h].DecenasJugador[3] = decenasPorMano;
            }
            CalcularTotales(e, a);
            EXPECT_EQ(modo == Modalidad::Parejas ? e.TotalPareja2 : e.PuntosJugador[3], total) << manos;
            EXPECT_EQ(e.TotalPareja1 + e.PuntosJugador[1], 0);
        }
    }
}

TEST(FinMano, al_terminar_la_partida_se_anuncia_y_se_entrega_el_historico_si_se_acepta)
{
    const auto P = Modalidad::Parejas, I = Modalidad::Individual;
    // Mode, the seat that dominoes, whether the history is updated; the box announcing the winner.
    const std::tuple<Modalidad, Entero, bool, std::string, int> casos[] = {
        {P, 3, true, "Han ganado la partida \r\nAna y Carlos", 2},
        {P, 4, false, "Habeis ganado la partida \r\nBerta y Dani", 2},
        {I, 4, true, "Dani, has ganado la partida. ", 1},
        {I, 1, true, "Ha ganado la partida Ana", 1},
    };
    for (const auto& [modo, mover, actualizar, texto, lineas] : casos) {
        SCOPED_TRACE(texto);
        Banco b;
        std::vector<std::string> manos = {"66", "65", "55", "44"};
        manos[static_cast<std::size_t>(mover - 1)].clear();
        PrepararFinal(b, 4, 1, mover, manos);
        b.a.ModoJuego = modo;
        b.a.SistemaAnotacion = Anotacion::Unidades;
        b.a.PuntosPartida = 5;
        b.usuario.RechazarTitulo = "Histórico de partidas jugadas";
        b.usuario.VecesRechazo = actualizar ? 0 : 1;
        EXPECT_EQ(TerminarMano(b.c), FinMano::PartidaTerminada);
        const auto& m = b.usuario.Mensajes;
        ASSERT_EQ(m.size(), 3u);
        EXPECT_EQ((std::tuple{m[1].titulo, m[1].texto, m[1].lineas}),
                  (std::tuple{"Final de Partida", texto, lineas}));
        EXPECT_EQ((std::tuple{m[2].titulo, m[2].botones}), (std::tuple{"Histórico de partidas jugadas", 2}));
        ASSERT_EQ(b.almacen.Historico.size(), actualizar ? 1u : 0u);
        if (!actualizar) continue;
        const ResumenPartida& r = b.almacen.Historico[0];
        EXPECT_EQ(r.ModoJuego, modo);
        EXPECT_EQ(r.Ganador, modo == P ? ParejaDe(mover) : mover);
        EXPECT_EQ(r.NombreJugador[1], "Ana");
        EXPECT_EQ((std::tuple{r.TotalPareja1, r.TotalPareja2, r.PuntosJugador}),
                  (std::tuple{b.e.TotalPareja1, b.e.TotalPareja2, b.e.PuntosJugador}));
    }
    // A tie played again with the target already reached gives the match to the side ahead.
    Banco b;
    PrepararFinal(b, 5, 1, 1, {"32", "41", "22", "22"}); // 9 pips a pair
    b.a.SistemaAnotacion = Anotacion::Decenas;
    b.a.PuntosPartida = 5;
    b.e.Anotaciones[2].DecenasPareja1 = 6;
    EXPECT_EQ(TerminarMano(b.c), FinMano::PartidaTerminada);
    EXPECT_EQ(Texto(b, "Final de Partida"), "Habeis ganado la partida \r\nBerta y Dani");
}

TEST(FinMano, en_red_los_mensajes_del_final_tienen_un_boton_y_no_ofrecen_retroceder)
{
    Banco b;
    PrepararFinal(b, 2, 1, 1, {"32", "41", "62", "22"});
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    ASSERT_EQ(TerminarMano(b.c), FinMano::Continuar);
    const auto& m = b.usuario.Mensajes;
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ((std::tuple{m[0].texto, m[0].botones, m[0].lineas}),
              (std::tuple{"Berta y Dani :  9\r\nAna y Carlos :  13", 1, 2}));
    EXPECT_EQ((std::tuple{m[1].texto, m[1].botones, m[1].lineas}),
              (std::tuple{"Puntos :  22       Decenas :  3\r\nHabeis ganado el juego Berta y Dani", 1, 2}));
}

TEST(FinMano, la_mano_700_es_la_ultima_y_la_partida_se_la_lleva_quien_va_delante_o_nadie)
{
    const std::string empate = "La partida termina empatada: nadie la ha ganado.\r\n"
                               "No se anota en el Histórico de partidas.";
    // Seats, seat 1's tiles, hand, totals of Carlos (or his pair) and Dani before this hand (which Berta
    // wins by domino); whether the match ends, its winner and the box that says so. A game saved by an
    // earlier version at a later hand ends with that hand.
    const std::tuple<std::string, std::string, Entero, Entero, Entero, bool, Entero, std::string> casos[] = {
        {"1234", "66", 699, 500, 0, false, 0, ""},
        {"1234", "66", 700, 500, 0, true, 2, "Han ganado la partida \r\nAna y Carlos"},
        {"1234", "66", 700, 0, 0, true, 1, "Habeis ganado la partida \r\nBerta y Dani"},
        {"1234", "66", 850, 0, 0, true, 1, "Habeis ganado la partida \r\nBerta y Dani"},
        // Berta's hand brings her pair to the other's 23.
        {"1234", "66", 700, 23, 0, true, 0, empate},
        {"123", "66", 700, 500, 0, true, 3, "Ha ganado la partida Carlos"},
        // Berta's 11 points equal Dani's 11: nobody is ahead.
        {"234", "", 700, 0, 11, true, 0, empate},
        {"234", "", 700, 0, 12, true, 4, "Dani, has ganado la partida. "},
    };
    for (const auto& [asientos, uno, mano, total2, total4, termina, ganador, final] : casos) {
        SCOPED_TRACE(asientos + " " + std::to_string(mano) + " " + std::to_string(total2) + " " +
                     std::to_string(total4));
        Banco b;
        b.Asientos(asientos);
        PrepararFinal(b, mano, 3, 2, {uno, "", "10", "64"});
        b.a.SistemaAnotacion = Anotacion::Unidades;
        b.e.Anotaciones[10].PuntosPareja2 = b.e.Anotaciones[10].PuntosJugador[3] = total2;
        b.e.Anotaciones[10].PuntosJugador[4] = total4;
        EXPECT_EQ(TerminarMano(b.c), termina ? FinMano::PartidaTerminada : FinMano::Continuar);
        if (!termina) {
            EXPECT_EQ(Texto(b, "Límite de manos").substr(0, 3), "(no");
            EXPECT_EQ(b.e.NumeroMano, mano + 1);
            continue;
        }
        EXPECT_EQ(b.e.NumeroMano, mano);
        EXPECT_EQ(Texto(b, "Límite de manos"),
                  "Se han jugado " + std::to_string(mano) +
                      " manos, el máximo de una partida.\r\n"
                      "La partida termina con los tantos conseguidos hasta ahora.");
        EXPECT_EQ(Texto(b, "Final de Partida"), final);
        EXPECT_EQ(b.e.GanadorMano, ganador);
        // A match nobody won is not put to the history, whose records name the winners first.
        EXPECT_EQ(Texto(b, "Histórico de partidas jugadas").starts_with("(no"), ganador == 0);
        ASSERT_EQ(b.almacen.Historico.size(), ganador ? 1u : 0u);
        if (ganador) {
            EXPECT_EQ(b.almacen.Historico[0].Ganador, ganador);
        }
    }
}

TEST(FinMano, en_la_mano_700_gana_quien_va_delante_aunque_otros_dos_empaten_por_debajo)
{
    // Individual play among four: Berta's hand brings her level with Carlos, and Dani is ahead of both.
    Banco b;
    PrepararFinal(b, 700, 3, 2, {"66", "", "10", "64"});
    b.a.ModoJuego = Modalidad::Individual;
    b.a.SistemaAnotacion = Anotacion::Unidades;
    b.e.Anotaciones[10].PuntosJugador[3] = 23;
    b.e.Anotaciones[10].PuntosJugador[4] = 30;
    EXPECT_EQ(TerminarMano(b.c), FinMano::PartidaTerminada);
    EXPECT_EQ(Texto(b, "Final de Partida"), "Dani, has ganado la partida. ");
}

TEST(FinMano, un_empate_en_la_mano_700_se_repite_con_su_numero_corra_o_no_el_turno)
{
    for (const auto salidaEmpate : {SalidaEmpate::MismoJugador, SalidaEmpate::SeCorreElTurno}) {
        Banco b(7);
        PrepararFinal(b, 700, 3, 1, {"32", "41", "22", "22"}); // 9 pips a pair
        b.a.SalidaSiEmpate = salidaEmpate;
        EXPECT_EQ(TerminarMano(b.c), FinMano::Continuar);
        EXPECT_EQ(b.e.NumeroMano, 700);
        EXPECT_EQ(Texto(b, "Límite de manos").substr(0, 3), "(no");
    }
}

TEST(FinMano, un_empate_de_la_primera_mano_que_corre_el_turno_sigue_con_la_mano_2)
{
    // Replayed as hand 1 it would be led by the first hand's rule again: the lead could never move on.
    Banco b(7);
    PrepararFinal(b, 1, 3, 1, {"32", "41", "22", "22"}); // 9 pips a pair
    b.a.SalidaSiEmpate = SalidaEmpate::SeCorreElTurno;
    ASSERT_EQ(TerminarMano(b.c), FinMano::Continuar);
    EXPECT_EQ((std::pair<int, int>{b.e.NumeroMano, b.e.JugadorSalida}), (std::pair{2, 4}));
    EXPECT_EQ(b.e.Anotaciones[1], RegistroMano{});
}

TEST(FinMano, un_reparto_dejado_antes_de_empezar_la_mano_se_deshace_y_al_volver_se_reparte_la_misma)
{
    // Hand 5 tied and replayed by the same leader, who is chosen at each deal: left at that choice, the
    // match stands as before the deal; going on, it deals the replay of hand 5 again, not hand 6.
    for (const bool dejar : {false, true}) {
        SCOPED_TRACE(dejar);
        Banco b(7);
        PrepararFinal(b, 5, 3, 1, {"32", "41", "22", "22"}); // 9 pips a pair
        b.a.TurnoSalida = ReglaSalida::Elegida;
        b.a.SalidaSiEmpate = SalidaEmpate::MismoJugador;
        b.usuario.SalidasElegidas = {2};
        if (dejar) {
            b.usuario.AbandonarEn = "Salida";
            ASSERT_EQ(TerminarMano(b.c), FinMano::Abandonada);
            EXPECT_EQ((std::tuple{b.e.NumeroMano, b.e.JugadorSalida, b.e.GanadorMano}),
                      (std::tuple{5, 3, 0}));
            b.usuario.AbandonarEn.clear();
            ASSERT_EQ(SeguirTrasMano(b.c), FinMano::Continuar);
        } else {
            ASSERT_EQ(TerminarMano(b.c), FinMano::Continuar);
        }
        EXPECT_EQ((std::pair<int, int>{b.e.NumeroMano, b.e.JugadorSalida}), (std::pair{5, 2}));
        EXPECT_TRUE(b.e.ManoEnCurso);
    }
}

} // namespace
} // namespace zp
