// Whole matches through the engine's loop: the seeded score sheets, the person's tiles and ends, leaving at
// any wait, resuming, reopening a hand, and network play as host and as client.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/arranque.h"
#include "engine/cinco_dobles.h"
#include "engine/fin_mano.h"
#include "engine/geometria_linea.h"
#include "engine/jugada.h"
#include "engine/mensaje_jugada.h"
#include "engine/partida.h"
#include "engine/reparto.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/mano_al_azar.h"

namespace zp {
namespace {

// The score sheet as rows "hand leader column-values", one per written hand, and the totals.
std::vector<std::string> Hoja(const EstadoJuego& e, const Ajustes& a)
{
    std::vector<std::string> filas;
    const auto par = [](Entero p, Entero d) { return " " + std::to_string(p) + "-" + std::to_string(d); };
    for (std::size_t h = 1; h <= static_cast<std::size_t>(e.NumeroMano); ++h) {
        const RegistroMano& r = e.Anotaciones[h];
        std::string f = std::to_string(h) + " " + r.Sale;
        if (EnParejas(a))
            f += par(r.PuntosPareja1, r.DecenasPareja1) + par(r.PuntosPareja2, r.DecenasPareja2);
        for (std::size_t p = 1; p <= 4 && !EnParejas(a); ++p)
            if (AsientoEnJuego(a, p)) f += par(r.PuntosJugador[p], r.DecenasJugador[p]);
        filas.push_back(f);
    }
    std::string t = "Total";
    if (EnParejas(a)) t += " " + std::to_string(e.TotalPareja1) + " " + std::to_string(e.TotalPareja2);
    for (std::size_t p = 1; p <= 4 && !EnParejas(a); ++p)
        if (AsientoEnJuego(a, p)) t += " " + std::to_string(e.PuntosJugador[p]);
    filas.push_back(t);
    return filas;
}

// The person at seat 4 clicks a tile at each of its turns, one that fits both ends first, noted in the
// diary as "Clic <move> <tile>".
void JugarFichasDe4(Banco& b)
{
    b.usuario.AlContinuar = [&b] {
        const Respuesta<Continuacion> r = b.Continuar();
        const EstadoJuego& e = b.e;
        if (r.abandonada || !e.ManoEnCurso || e.JugadorTurno != 4) return r;
        const auto& x = e.Linea.Extremos;
        Entero elegido = 0;
        for (Entero s = 1; s <= e.HuecosMano[4]; ++s) {
            const HuecoMano& h = e.Manos[4][static_cast<std::size_t>(s)];
            if (!ComprobarFichaJugable(e, b.a, s)) continue;
            const bool ambos = h.PuntoA != h.PuntoB && x[1] != x[2] &&
                               (h.PuntoA == x[1] || h.PuntoA == x[2]) &&
                               (h.PuntoB == x[1] || h.PuntoB == x[2]);
            if (elegido == 0 || ambos) elegido = s;
            if (ambos) break;
        }
        if (elegido == 0) return r;
        const HuecoMano& h = e.Manos[4][static_cast<std::size_t>(elegido)];
        b.mesa.Llamadas.push_back("Clic " + std::to_string(e.NumeroJugada) + " " + std::to_string(h.PuntoA) +
                                  std::to_string(h.PuntoB));
        b.e.HuecoElegido = elegido;
        b.e.JugadaElegida = true;
        return Respuesta<Continuacion>::De(Continuacion::FichaElegida);
    };
}

// What the window, the person, the speaker, the network and the files were given during a match, folded into
// one number.
std::uint64_t Huella(const Banco& b)
{
    std::uint64_t h = 1469598103934665603ull;
    const auto mezclar = [&h](const std::string& s) {
        for (const char ch : s + "\n") h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    };
    for (const auto& l : b.mesa.Llamadas) mezclar(l);
    for (const auto& l : b.mesa.Lineas) mezclar(l);
    for (const int p : b.ritmo.Pausas) mezclar("P" + std::to_string(p));
    for (const int s : b.ritmo.Sonidos) mezclar("S" + std::to_string(s));
    for (const auto& m : b.usuario.Mensajes)
        mezclar(m.texto + std::to_string(m.lineas * 10000 + m.botones * 1000 + m.ayuda));
    for (const auto& m : b.red.Enviados)
        mezclar(std::to_string(int(m.destino) * 10 + m.salvoPuesto) + m.mensaje);
    for (const auto& f : b.almacen.Grabados) mezclar("G" + f);
    for (const auto& f : b.almacen.Borrados) mezclar("B" + f);
    return h;
}

TEST(Partida, una_partida_sembrada_de_jugadores_automaticos_da_siempre_la_misma_hoja)
{
    // Seed, seats, scoring, target; the score sheet and the fingerprint.
    // clang-format off
    const std::tuple<std::uint32_t, std::string, Anotacion, Entero, std::vector<std::string>, std::uint64_t> casos[] = {
        {1, "1234", Anotacion::Decenas, 30,
         {"1 Jugador3 0-0 27-3", "2 Jugador4 40-4 0-0", "3 Jugador1 19-2 0-0", "4 Jugador2 4-1 0-0", "5 Jugador3 68-7 0-0",
          "6 Jugador4 0-0 59-6", "7 Jugador1 48-5 0-0", "8 Jugador2 90-9 0-0", "9 Jugador3 0-0 52-6", "10 Jugador4 12-2 0-0",
          "Total 30 15"}, 525522675515952746ull},
        {5, "123", Anotacion::Unidades, 60,
         {"1 Jugador3 21-3 0-0 0-0", "2 Jugador1 25-3 0-0 0-0", "3 Jugador2 0-0 32-4 0-0", "4 Jugador3 0-0 0-0 59-6",
          "5 Jugador1 19-2 0-0 0-0", "Total 65 32 59"}, 17825636265265190830ull},
        {9, "24", Anotacion::Unidades, 50,
         {"1 Jugador4 0-0 6-1", "2 Jugador2 6-1 0-0", "3 Jugador4 11-2 0-0", "4 Jugador2 28-3 0-0", "5 Jugador4 0-0 77-8",
          "Total 45 83"}, 15665901285063732854u},
    };
    // clang-format on
    for (const auto& [semilla, asientos, anotacion, puntos, hoja, huella] : casos) {
        SCOPED_TRACE(asientos);
        Banco b(semilla);
        b.Asientos(asientos);
        b.a.SistemaAnotacion = anotacion;
        b.a.PuntosPartida = puntos;
        b.a.ModoRed = PapelRed::Administrador; // left from a network match: this one is local
        const ResultadoPartida r = ComenzarPartida(b.c);
        EXPECT_EQ(r.Fin, FinPartida::Terminada);
        EXPECT_EQ(r.Siguiente, Peticion::Ninguna);
        EXPECT_EQ(Hoja(b.e, b.a), hoja) << ::testing::PrintToString(Hoja(b.e, b.a));
        // Every drawing, wait, pause and sound of the match, in order: a change in what a person sees or
        // hears shows here.
        EXPECT_EQ(Huella(b), huella);
        // The closing steps: no match, no move, no snapshot left, the history written once.
        EXPECT_FALSE(b.e.PartidaEnCurso);
        EXPECT_EQ(b.e.NumeroJugada, 0);
        EXPECT_EQ(b.almacen.Borrados.back(), "ZARPE33.DRE");
        EXPECT_EQ(b.usuario.Mensajes.back().titulo, "Histórico de partidas jugadas");
        EXPECT_EQ(b.almacen.Historico.size(), 1u);
    }
}

TEST(Partida, una_partida_dejada_a_medias_o_entre_manos_se_reanuda_donde_quedo_y_acaba_igual)
{
    // Seed, every turn waiting for the Continue button, the wait the match is left at and which time.
    const std::tuple<std::uint32_t, bool, const char*, int> casos[] = {
        {11, true, "Continuar", 9}, {1, false, "Continuar entre manos", 1}};
    for (const auto& [semilla, pausa, espera, vez] : casos) {
        SCOPED_TRACE(espera);
        Banco referencia(semilla);
        referencia.a.PausaEntreJugadas = pausa;
        ASSERT_EQ(ComenzarPartida(referencia.c).Fin, FinPartida::Terminada);
        // Left as the exit command leaves it to the settings file; the next start reads it.
        Banco antes(semilla);
        antes.a.PausaEntreJugadas = pausa;
        antes.usuario.AbandonarEn = espera;
        antes.usuario.VezAbandono = vez;
        antes.usuario.AlAbandonar = [&] { PedirPeticion(antes.e, Peticion::Salir); };
        const ResultadoPartida r = ComenzarPartida(antes.c);
        EXPECT_EQ((std::pair{r.Fin, r.Siguiente}), (std::pair{FinPartida::Abandonada, Peticion::Salir}));
        ASSERT_TRUE(antes.e.PartidaEnCurso);
        Banco despues(semilla);
        despues.azar = antes.azar;
        despues.almacen.AlCargar = [&] {
            despues.e = antes.e;
            despues.a = antes.a;
        };
        EXPECT_EQ(Main(despues.c).Fin, FinPartida::Terminada);
        EXPECT_EQ(Hoja(despues.e, despues.a), Hoja(referencia.e, referencia.a));
        // A hand left half played goes on from the same seat and move.
        ASSERT_FALSE(despues.Turnos.empty());
        const Banco::Turno& t = antes.Turnos.back();
        EXPECT_TRUE(!antes.e.ManoEnCurso ||
                    (despues.Turnos[0].Jugador == t.Jugador && despues.Turnos[0].Jugada == t.Jugada));
        // The table is drawn again before the person is told.
        const auto& d = despues.mesa.Llamadas;
        const auto aviso = std::find(d.begin(), d.end(), "Mensaje Continuar la partida anterior");
        ASSERT_NE(aviso, d.end());
        EXPECT_EQ(aviso[-1], "RedibujarMesa");
    }
}

// Requests made one after another while a match unwinds (the person's exit, a new match from the bar or a
// socket, a loaded game, the match ended by the network): the later one stands, but an exit is final.
TEST(Partida, tras_una_salida_pedida_ninguna_peticion_posterior_la_reemplaza)
{
    using P = Peticion;
    const std::pair<std::vector<P>, P> casos[] = {
        {{P::NuevaPartida, P::ReanudarPartida}, P::ReanudarPartida},
        {{P::ReanudarPartida, P::Ninguna}, P::Ninguna},
        {{P::NuevaPartida, P::Salir}, P::Salir},
        {{P::Salir, P::NuevaPartida}, P::Salir},
        {{P::Salir, P::ReanudarPartida, P::Ninguna}, P::Salir},
    };
    for (const auto& [pedidas, queda] : casos) {
        Banco b(1);
        b.usuario.AbandonarEn = "Continuar";
        b.a.PausaEntreJugadas = true;
        b.usuario.AlAbandonar = [&] {
            for (const P p : pedidas) PedirPeticion(b.e, p);
        };
        EXPECT_EQ(ComenzarPartida(b.c).Siguiente, queda) << int(pedidas.front()) << "," << int(pedidas[1]);
    }
}

// A match left from outside while a move is drawn (between two turns) goes no further: the next seat's turn
// does not begin, nor does its Continue button show.
TEST(Partida, una_partida_dejada_mientras_se_dibuja_una_jugada_no_empieza_el_turno_siguiente)
{
    for (int vez : {1, 6, 13, 27}) {
        SCOPED_TRACE(vez);
        Banco b(3);
        b.a.PausaEntreJugadas = true;
        int pausas = 0;
        Entero mueve = 0;
        // The pointing hand's pauses over the tile an automatic player is laying.
        b.ritmo.AlPausar = [&] {
            if (b.ritmo.Pausas.back() != 135 || ++pausas != vez) return;
            mueve = b.e.JugadorTurno;
            b.usuario.Dejada = true;
            b.mesa.Llamadas.push_back("ABANDONO");
        };
        EXPECT_EQ(ComenzarPartida(b.c).Fin, FinPartida::Abandonada);
        ASSERT_NE(mueve, 0);
        EXPECT_EQ(b.e.JugadorTurno, mueve);
        for (const std::string& l : b.TrasAbandono()) EXPECT_NE(l.rfind("DibujarBotonContinuar", 0), 0u) << l;
    }
}

TEST(Partida, la_persona_juega_sus_fichas_y_elige_el_extremo_cuando_su_ficha_encaja_en_los_dos)
{
    Banco b(2);
    JugarFichasDe4(b);
    const auto jugar = b.usuario.AlContinuar;
    b.usuario.AlContinuar = [&, jugar] {
        return b.mesa.Hubo("Extremo") ? Respuesta<Continuacion>::Abandono() : jugar();
    };
    b.usuario.ExtremosElegidos = {2};
    ASSERT_EQ(ComenzarPartida(b.c).Fin, FinPartida::Abandonada);
    // The tile clicked just before the question, laid on end 2 by the pip that meets it.
    const auto& d = b.mesa.Llamadas;
    const auto pregunta = std::find(d.begin(), d.end(), "Extremo");
    const auto clic = std::find_if(std::make_reverse_iterator(pregunta), d.rend(),
                                   [](const std::string& l) { return l.rfind("Clic ", 0) == 0; });
    ASSERT_NE(clic, d.rend());
    const std::size_t n = std::stoul(clic->substr(5));
    const std::string ficha = clic->substr(clic->size() - 2);
    const RegistroJugada& j = b.e.Jugadas[n];
    EXPECT_EQ(j.Jugador, 4);
    EXPECT_EQ(j.Extremo, 2);
    EXPECT_EQ(std::set<char>({ficha[0], ficha[1]}),
              std::set<char>({char('0' + j.PuntoUnido), char('0' + j.PuntoAbierto)}));
    EXPECT_EQ(j.PuntoUnido, j.Extremo2);
    EXPECT_FALSE(b.e.EsperaExtremo); // answered: the table takes clicks on the ends no more
}

TEST(Partida, el_extremo_solo_se_pregunta_si_a_la_persona_le_queda_mas_de_una_ficha_y_no_da_igual)
{
    // Seat 4's tiles on ends 3 and 5, the tiles laid; whether the end is asked. With every other 3 and 5
    // laid either end closes the line alike.
    const std::tuple<const char*, const char*, bool> casos[] = {
        {"35", "", false},
        {"35 66", "", true},
        {"35 66", "30 31 32 33 34 36", true},
        {"35 66", "30 31 32 33 34 36 50 51 52 54 55 56", false}};
    for (const auto& [mano, puestas, preguntado] : casos) {
        SCOPED_TRACE(std::string(mano) + " / " + puestas);
        Banco b;
        b.e.PartidaEnCurso = b.e.ManoEnCurso = true;
        b.e.NumeroMano = 2;
        b.e.Anotaciones.assign(kEntradasMarcador + 1, RegistroMano{});
        PrepararInicioLinea(b.e.Linea, 1, b.pantalla);
        b.e.Linea.Extremos = {0, 3, 5};
        b.e.Linea.FichasEnExtremo = {0, 2, 2};
        b.e.NumeroJugada = 5;
        b.e.JugadorTurno = 4;
        DarFichas(b.e, 1, puestas, kPuesta);
        for (Entero p = 1; p <= 3; ++p) DarFichas(b.e, p, p == 3 ? "44" : std::string(2, char('0' + p)));
        DarFichas(b.e, 4, mano);
        JugarFichasDe4(b);
        b.usuario.AbandonarEn = "Continuar entre manos";
        EXPECT_EQ(ReanudarPartida(b.c).Fin, FinPartida::Abandonada);
        EXPECT_EQ(b.mesa.Veces("Extremo") > 0, preguntado);
    }
}

TEST(Partida, abandonada_en_cualquier_espera_no_muestra_ni_reparte_nada_mas_y_la_nueva_empieza_arriba)
{
    // The wait and which time it comes, the seed; with pauses; the person plays seat 4; the lead chosen;
    // the hand the match stands at when left (0: none, not even the first). A deal left before its hand
    // began is undone, to be dealt again when the match goes on.
    const std::tuple<const char*, int, std::uint32_t, bool, bool, bool, Entero> casos[] = {
        {"Mensaje Comienza la Partida", 1, 1, false, false, false, 0},
        {"Eventos", 5, 1, false, false, false, 1},
        {"Continuar", 3, 1, true, false, false, 1},
        {"Extremo", 1, 2, false, true, false, 3},
        {"Mensaje C i e r r e", 1, 3, false, false, false, 1},
        {"Mensaje Final de este juego", 1, 1, false, false, false, 1},
        {"Continuar entre manos", 2, 1, false, false, false, 2},
        {"Mensaje Final de Partida", 1, 1, false, false, false, 10},
        {"Mensaje Histórico de partidas jugadas", 1, 1, false, false, false, 10},
        {"Salida", 2, 1, false, false, true, 1},
    };
    for (const auto& [espera, vez, semilla, pausa, fichas, elegida, mano] : casos) {
        SCOPED_TRACE(espera);
        Banco b(semilla);
        b.a.PausaEntreJugadas = pausa;
        b.a.TurnoSalida = elegida ? ReglaSalida::Elegida : ReglaSalida::Rotatorio;
        if (fichas) JugarFichasDe4(b);
        b.usuario.AbandonarEn = espera;
        b.usuario.VezAbandono = vez;
        const ResultadoPartida r = ComenzarPartida(b.c);
        EXPECT_EQ(r.Fin, FinPartida::Abandonada);
        EXPECT_EQ(r.Siguiente, Peticion::NuevaPartida);
        // Nothing more is shown; only the lead's banner, when it was up, is taken down.
        const std::vector<std::string> rotulo = {"BorrarRotulo", "Refrescar"};
        EXPECT_EQ(b.TrasAbandono(), elegida ? rotulo : std::vector<std::string>{});
        // Unwound as it stood: the window saves or replaces it, the engine closes nothing; only a wait for
        // the Continue button leaves it pressable.
        EXPECT_EQ(b.e.NumeroMano, mano);
        EXPECT_EQ(b.e.PartidaEnCurso, mano > 0);
        EXPECT_EQ(b.mesa.Veces("DibujarEsperandoJugada"), 0); // the network's panel, never in local play
        EXPECT_EQ(b.e.EsperaContinuar, std::string(espera).rfind("Continuar", 0) == 0);
        EXPECT_TRUE(b.almacen.Borrados.empty());

        b.usuario.AbandonarEn.clear();
        const std::size_t vistos = b.usuario.Mensajes.size();
        EXPECT_EQ(AtenderPeticion(b.c, r.Siguiente).Fin, FinPartida::Terminada);
        ASSERT_GT(b.usuario.Mensajes.size(), vistos);
        EXPECT_EQ(b.usuario.Mensajes[vistos].titulo == "Comienza la Partida", !elegida);
    }
}

TEST(Partida, cancelar_el_final_de_la_mano_la_reabre_y_no_anota_nada_hasta_que_vuelve_a_acabar)
{
    using Caso = std::tuple<std::string, std::uint32_t, VistaLista, std::uint64_t>;
    for (const auto& [titulo, semilla, lista, huella] :
         {Caso{"Final de este juego", 1, VistaLista::SiempreVisible, 12951536808348588670u},
          Caso{"C i e r r e", 3, VistaLista{}, 10429752405592958373u}}) {
        SCOPED_TRACE(titulo);
        Banco referencia(semilla);
        referencia.a.Jugador[4].ControlJugador = Control::Automatico;
        ASSERT_EQ(ComenzarPartida(referencia.c).Fin, FinPartida::Terminada);

        // Nobody at this computer plays: only the review waits for the Continue button.
        Banco b(semilla);
        b.a.Jugador[4].ControlJugador = Control::Automatico;
        b.a.ListaJugadas = lista;
        b.usuario.RechazarTitulo = titulo;
        b.usuario.VecesRechazo = 1;
        ASSERT_EQ(ComenzarPartida(b.c).Fin, FinPartida::Terminada);
        // The box comes again once play is back where the hand ended, with the same text.
        std::vector<std::string> textos;
        for (const auto& m : b.usuario.Mensajes)
            if (m.titulo == titulo && textos.size() < 2) textos.push_back(m.texto);
        ASSERT_EQ(textos.size(), 2u);
        EXPECT_EQ(textos[0], textos[1]);
        EXPECT_TRUE(std::any_of(b.Turnos.begin(), b.Turnos.end(), [](const auto& t) { return t.Reabierta; }));
        EXPECT_EQ(Hoja(b.e, b.a), Hoja(referencia.e, referencia.a));
        EXPECT_FALSE(b.e.GrabadoraActiva);
        EXPECT_EQ(Huella(b), huella);
    }
}

TEST(Partida, redibujar_durante_la_espera_vuelve_a_pintar_el_boton_y_el_turno_y_sigue_esperando)
{
    Banco b;
    int veces = 0;
    b.usuario.AlContinuar = [&] {
        b.e.RedibujoPendiente = veces == 0;
        return veces++ == 0 ? Respuesta<Continuacion>::De(Continuacion::Redibujar)
                            : Respuesta<Continuacion>::Abandono();
    };
    EXPECT_EQ(ComenzarPartida(b.c).Fin, FinPartida::Abandonada);
    EXPECT_EQ(veces, 2);
    EXPECT_FALSE(b.e.RedibujoPendiente);
    const std::string tras[] = {"DibujarBotonContinuar 1", "DibujarBotonContinuar 1",
                                "ParpadearMano " + std::to_string(b.e.JugadorTurno)};
    const auto& d = b.mesa.Llamadas;
    EXPECT_NE(std::search(d.begin(), d.end(), std::begin(tras), std::end(tras)), d.end());
}

TEST(Partida, con_reglas_que_no_permiten_repartir_no_empieza)
{
    Banco b;
    b.a.NumeroJugadores = 3; // four seats are in play
    b.e.NumeroMano = 7;
    b.e.GanadorMano = b.e.JugadorSalida = 2;
    EXPECT_EQ(ComenzarPartida(b.c).Fin, FinPartida::ReglasNoValidas);
    EXPECT_FALSE(b.e.PartidaEnCurso);
    EXPECT_EQ(b.e.NumeroMano + b.e.GanadorMano + b.e.JugadorSalida, 0);
    EXPECT_EQ(AtenderPeticion(b.c, Peticion::ReanudarPartida).Fin, FinPartida::SinPartida);
    EXPECT_TRUE(b.usuario.Mensajes.empty());

    // Made unplayable during a hand: the match closes when the next one would be dealt.
    Banco c;
    c.usuario.AlContinuar = [&c] {
        c.a.NumeroJugadores = 3;
        return c.Continuar();
    };
    EXPECT_EQ(ComenzarPartida(c.c).Fin, FinPartida::ReglasNoValidas);
    EXPECT_FALSE(c.e.PartidaEnCurso);
}

TEST(Partida, al_jugador_remoto_se_le_espera_hasta_que_se_abandona)
{
    Banco b(4);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    b.a.Jugador[1].ControlJugador = b.a.Jugador[3].ControlJugador = Control::Remoto;
    b.a.PausaEntreJugadas = true;
    PedirPeticion(b.e, Peticion::Salir);
    const ResultadoPartida r = ComenzarPartida(b.c);
    EXPECT_EQ(r.Fin, FinPartida::Abandonada);
    EXPECT_EQ(r.Siguiente, Peticion::Ninguna); // a new match clears any request left from before
    EXPECT_EQ(b.mesa.Llamadas.back(), "DibujarEsperandoJugada");
    EXPECT_TRUE(b.e.PartidaEnCurso);
    EXPECT_EQ(Huella(b), 13799202205634126422u);
}

TEST(Partida, el_remoto_perdido_en_la_espera_lo_juega_este_ordenador_tras_continuar_si_la_partida_sigue)
{
    for (const bool sigue : {true, false}) {
        Banco b(4);
        b.a.JuegoEnRed = true;
        b.a.ModoRed = PapelRed::Administrador;
        b.a.Jugador[1].ControlJugador = Control::Remoto;
        b.red.Llegadas.push_back([&] {
            b.a.Jugador[1].ControlJugador = Control::Automatico;
            b.e.PartidaEnCurso = sigue;
        });
        EXPECT_EQ(ComenzarPartida(b.c).Fin, sigue ? FinPartida::Terminada : FinPartida::Abandonada);
        if (sigue) {
            const auto& d = b.mesa.Llamadas;
            const std::string tras[] = {"OcultarPanelTurno", "DibujarBotonContinuar 1", "Continuar"};
            EXPECT_NE(std::search(d.begin(), d.end(), std::begin(tras), std::end(tras)), d.end());
            EXPECT_EQ(Huella(b), 15462986531750387431u);
        } else { // the clients get nothing after move 1: no move of the lost seat in a closed match
            EXPECT_EQ(b.red.Enviados.back().mensaje.substr(0, 9), "ZRP330601");
        }
    }
}

// A tile seat 1 does not hold that carries the pip of end 1 (any, before the first tile), as "ab".
std::string Ajena(const EstadoJuego& e)
{
    const Entero x = e.Linea.Extremos[1];
    for (Entero a = 0; a <= 6; ++a)
        for (Entero b = 0; b <= a; ++b)
            if ((x == kNinguna || a == x || b == x) && !BuscarFichaEnMano(e, a, b, 1))
                return std::to_string(a) + std::to_string(b);
    return "66";
}

TEST(Partida, en_red_el_administrador_solo_acepta_la_jugada_remota_que_encaja_y_la_reenvia_a_los_demas)
{
    Banco b(6);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    b.a.Jugador[1].ControlJugador = Control::Remoto;
    std::vector<std::string> esperadas; // "NNAB" of every remote move sent
    int llamada = 0;
    std::function<void()> responder = [&] {
        b.red.Llegadas.push_back(responder);
        EstadoJuego& e = b.e;
        if (!e.ManoEnCurso || e.JugadorTurno != 1) return;
        const auto posibles = ListarJugadasPosibles(e, b.a);
        ASSERT_FALSE(posibles.empty());
        const JugadaPosible& j = posibles.back();
        const std::string n = std::to_string(100 + e.NumeroJugada).substr(1);
        const std::string ab = std::to_string(j.FichaA) + std::to_string(j.FichaB);
        if (++llamada % 2 == 1) {
            // Each is dropped and the wait goes on: another move's number, a pip 7, end 3, a tile not held.
            const JugadaPosible& f = posibles.front();
            b.red.Cola += "06" + std::to_string(100 + e.NumeroJugada - 1).substr(1) +
                          std::to_string(f.FichaA) + std::to_string(f.FichaB) + std::to_string(f.Extremo);
            b.red.Cola +=
                "06" + n + "7" + ab.substr(1) + "1" + "06" + n + ab + "3" + "06" + n + Ajena(e) + "1";
            return;
        }
        // The sender's own numbering of the ends: the receiver turns it by the pip joined.
        Entero extremo = j.Extremo;
        const auto& x = e.Linea.Extremos;
        if (e.NumeroJugada != 1 && x[1] != x[2] && x[static_cast<std::size_t>(3 - extremo)] != j.FichaA)
            extremo = static_cast<Entero>(3 - extremo);
        b.red.Cola += "06" + n + ab + std::to_string(extremo);
        esperadas.push_back(n + std::to_string(std::max(j.FichaA, j.FichaB)) +
                            std::to_string(std::min(j.FichaA, j.FichaB)));
    };
    b.red.Llegadas.push_back(responder);
    ASSERT_EQ(ComenzarPartida(b.c).Fin, FinPartida::Terminada);
    ASSERT_FALSE(esperadas.empty());

    // The state goes out first, then the deal and the leader; moves of the remote seat go to every client
    // but its own, the others' to all; draws and passes never.
    ASSERT_FALSE(b.red.Enviados.empty());
    EXPECT_EQ(b.red.Enviados[0].mensaje, "ZRP3311" + std::string(780, 'S'));
    EXPECT_EQ(b.e.IdPartida.size(), 4u);
    std::vector<std::string> delRemoto;
    for (const auto& m : b.red.Enviados) {
        if (m.mensaje.compare(0, 7, "ZRP3306") != 0) continue;
        ASSERT_EQ(m.mensaje.size(), 12u);
        EXPECT_EQ(m.destino, RedNula::Envio::A::Clientes);
        // The tile as laid here: on the first move it is turned for the seat.
        const char x = m.mensaje[9], y = m.mensaje[10];
        if (m.salvoPuesto == 1) delRemoto.push_back(m.mensaje.substr(7, 2) + std::max(x, y) + std::min(x, y));
        EXPECT_TRUE(m.salvoPuesto == 0 || m.salvoPuesto == 1);
    }
    EXPECT_EQ(delRemoto, esperadas);
    EXPECT_TRUE(b.red.Cola.empty());
    // The person here is waited for on its own turns; a snapshot on every turn, removed at the end; the
    // end-of-hand boxes have one button: all of it in the match's fingerprint.
    EXPECT_TRUE(std::any_of(b.Turnos.begin(), b.Turnos.end(), [](const auto& t) { return t.Jugador == 4; }));
    EXPECT_EQ(Huella(b), 9583459201397187433u);
}

// What a client sent before it could know the deal (a move of the hand or match before, crossing the deal on
// the wire) is dropped, even a move that would fit, whether it came before the deal went out or while the
// deal was drawn here: the remote seat's move is the one it sends afterwards.
TEST(Partida, el_administrador_no_toma_lo_que_un_cliente_envio_antes_de_conocer_el_reparto)
{
    // The remote seat's first move, and another it could have made, as their messages would carry them.
    std::string hecha, otra;
    const auto jugar = [&](std::uint32_t semilla, const std::string& antes, std::string alDibujar) {
        Banco b(semilla);
        b.a.JuegoEnRed = true;
        b.a.ModoRed = PapelRed::Administrador;
        b.a.Jugador[1].ControlJugador = Control::Remoto;
        b.red.Cola = antes;
        b.ritmo.AlPausar = [&] {
            if (b.e.RepartiendoMano) b.red.Cola += std::exchange(alDibujar, std::string());
        };
        std::function<void()> responder = [&] {
            b.red.Llegadas.push_back(responder);
            EstadoJuego& e = b.e;
            if (!e.ManoEnCurso || e.JugadorTurno != 1) return;
            const auto posibles = ListarJugadasPosibles(e, b.a);
            const std::string n = std::to_string(100 + e.NumeroJugada).substr(1);
            const auto mensaje = [&n](const JugadaPosible& j) {
                return "06" + n + std::to_string(j.FichaA) + std::to_string(j.FichaB) +
                       std::to_string(j.Extremo);
            };
            if (hecha.empty()) {
                hecha = mensaje(posibles.front());
                otra = posibles.size() > 1 ? mensaje(posibles.back()) : "";
            }
            b.red.Cola += mensaje(posibles.front());
        };
        b.red.Llegadas.push_back(responder);
        b.usuario.AbandonarEn = "Continuar entre manos";
        ComenzarPartida(b.c);
        return b.e.Jugadas;
    };
    std::uint32_t semilla = 1;
    for (; semilla < 50 && otra.empty(); ++semilla) {
        hecha.clear();
        jugar(semilla, "", "");
    }
    ASSERT_FALSE(otra.empty());
    for (const bool alDibujar : {false, true}) {
        SCOPED_TRACE(alDibujar ? "mientras se dibuja el reparto" : "antes del reparto");
        const auto jugadas = jugar(semilla - 1, alDibujar ? "" : otra, alDibujar ? otra : "");
        const RegistroJugada& j = jugadas[static_cast<std::size_t>(std::stoi(hecha.substr(2, 2)))];
        EXPECT_EQ(j.Jugador, 1);
        EXPECT_EQ(std::to_string(j.PuntoUnido) + std::to_string(j.PuntoAbierto), hecha.substr(4, 2));
    }
}

// A five-doubles answer the remote seat sent for an earlier deal (of the match before, crossing the deal on
// the wire) is not its answer to this one, though the seat was dealt five doubles again: that is the one it
// sends afterwards.
TEST(Partida, el_administrador_no_toma_la_respuesta_a_cinco_dobles_de_un_reparto_anterior)
{
    const auto repartir = [](std::uint32_t semilla, const std::string& antes,
                             std::vector<std::string>& enviados) {
        Banco b(semilla);
        b.a.JuegoEnRed = true;
        b.a.ModoRed = PapelRed::Administrador;
        b.a.JugadorCincoDobles = CincoDobles::PuedeDevolver;
        b.a.Jugador[1].ControlJugador = Control::Remoto;
        b.red.Cola = antes;
        b.red.Llegadas.push_back([&b] { b.red.Cola += "050"; }); // its answer: it keeps them
        b.e.PartidaEnCurso = true;
        CalcularDisposicionManos(b.c);
        IniciarMano(b.c);
        for (const auto& m : b.red.Enviados)
            enviados.push_back(m.mensaje.size() > 8 ? m.mensaje.substr(0, 7) : m.mensaje);
        return b.e.DoblesJugador[1];
    };
    std::uint32_t semilla = 1;
    std::vector<std::string> enviados;
    while (semilla < 5000 && repartir(semilla, "", enviados) < kMinimoDobles) ++semilla;
    ASSERT_LT(semilla, 5000u);

    enviados.clear();
    repartir(semilla, "051", enviados);
    // One deal, and the seat's own answer relayed to the other clients.
    EXPECT_EQ(std::count(enviados.begin(), enviados.end(), "ZRP3312"), 1);
    EXPECT_EQ(std::count(enviados.begin(), enviados.end(), "ZRP33050"), 1);
    EXPECT_EQ(std::count(enviados.begin(), enviados.end(), "ZRP33051"), 0);
}

// A hand dealt here, then played as a client whose host relays the other seats' moves, until the hand ends
// or the match is abandoned. Gives how many moves came from the host.
int JugarComoCliente(Banco& b, FinPartida fin = FinPartida::Abandonada)
{
    b.e.PartidaEnCurso = true;
    EXPECT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Cliente;
    b.e.PuestoLocal = 2;
    int recibidas = 0;
    std::function<void()> responder = [&] {
        EstadoJuego& e = b.e;
        // Only a move wait is answered: the next deal's wait finds nothing and the match is left there.
        if (!e.ManoEnCurso) return;
        b.red.Llegadas.push_back(responder);
        const auto posibles = ListarJugadasPosibles(e, b.a);
        ASSERT_FALSE(posibles.empty());
        const JugadaPosible& j = posibles.front();
        b.red.Cola += std::string(kCodigoJugada) + std::to_string(100 + e.NumeroJugada).substr(1) +
                      std::to_string(j.FichaA) + std::to_string(j.FichaB) + std::to_string(j.Extremo);
        ++recibidas;
    };
    for (int i = 0; i < 3; ++i) b.red.Llegadas.push_back(responder);
    EXPECT_EQ(JugarPartida(b.c).Fin, fin);
    return recibidas;
}

long TilesDe4(const EstadoJuego& e)
{
    return std::count_if(e.Jugadas.begin(), e.Jugadas.end(),
                         [](const auto& j) { return j.Jugador == 4 && (j.Extremo == 1 || j.Extremo == 2); });
}

TEST(Partida, un_cliente_envia_solo_las_jugadas_de_su_asiento_y_juega_las_que_le_llegan)
{
    Banco b(8);
    EXPECT_GT(JugarComoCliente(b), 0);
    // Seat 4's laid tiles went to the host, nothing else did; the hand was played to its end.
    for (const auto& m : b.red.Enviados) {
        EXPECT_EQ(m.destino, RedNula::Envio::A::Administrador);
        EXPECT_EQ(m.mensaje.compare(0, 7, "ZRP3306"), 0);
    }
    EXPECT_EQ(static_cast<long>(b.red.Enviados.size()), TilesDe4(b.e));
    EXPECT_GT(TilesDe4(b.e), 0);
    EXPECT_FALSE(b.e.ManoEnCurso);
    EXPECT_EQ(Huella(b), 15542946875590888899u);
}

// What arrived while a move was drawn (the host's new match) is seen to before the move is sent: abandoned
// there, the match sends it not.
TEST(Partida, un_cliente_cuya_partida_se_abandona_mientras_dibuja_su_jugada_no_la_envia)
{
    int trasSuFicha = 0;
    for (int vez = 1; vez <= 30; ++vez) {
        SCOPED_TRACE(vez);
        Banco b(8);
        b.usuario.AbandonarEn = "Eventos";
        b.usuario.VezAbandono = vez;
        bool suya = false; // abandoned right after seat 4 laid a tile
        b.usuario.AlAbandonar = [&] {
            const RegistroJugada& j = b.e.Jugadas[static_cast<std::size_t>(b.e.NumeroJugada)];
            suya = b.e.JugadorTurno == 4 && j.Jugador == 4 && (j.Extremo == 1 || j.Extremo == 2);
        };
        JugarComoCliente(b);
        trasSuFicha += suya;
        EXPECT_EQ(static_cast<long>(b.red.Enviados.size()), TilesDe4(b.e) - (suya ? 1 : 0));
    }
    EXPECT_GT(trasSuFicha, 0);
}

} // namespace
} // namespace zp
