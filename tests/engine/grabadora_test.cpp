// The recorder's logic: every record applied and taken back leaves the game as it was, over thousands of
// random hands; draws, passes and the first tile taken back; the automatic player's weights; the refusals.
#include <gtest/gtest.h>

#include "engine/disposicion_manos.h"
#include "engine/geometria_linea.h"
#include "engine/grabadora.h"
#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/reglas.h"
#include "engine/reparto.h"
#include "engine/sonidos.h"
#include "engine/turno.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/mano_al_azar.h"

namespace zp {
namespace {

TEST(Grabadora, retroceder_y_avanzar_cada_jugada_de_manos_al_azar_deja_la_partida_igual)
{
    // Seats, tiles each, the stock's reserve, direction, how the first hand opens, the hand reviewed (1 the
    // first of the match, 2 the next one).
    const std::tuple<const char*, Entero, Entero, Entero, Entero, int> reglas[] = {
        {"1234", 7, 0, 1, 1, 1}, {"1234", 7, 0, 2, 2, 2}, {"13", 7, 0, 1, 1, 1},
        {"123", 7, 2, 2, 1, 2},  {"24", 10, 0, 1, 2, 1},  {"12", 14, 0, 1, 1, 1}};
    int manos = 0, robos = 0, pases = 0, largas = 0;
    for (const auto& [asientos, fichas, remanentes, sentido, primeraMano, mano] : reglas) {
        for (std::uint32_t semilla = 1; semilla <= 500; ++semilla) {
            SCOPED_TRACE(std::string(asientos) + " semilla " + std::to_string(semilla));
            Banco b(semilla);
            b.Asientos(asientos);
            b.a.FichasPorJugador = fichas;
            b.a.RemanentesMonton = remanentes;
            b.a.SentidoJuego = static_cast<Sentido>(sentido);
            b.e.PasoTurno = sentido == 2 ? -1 : 1;
            b.a.PrimeraMano = static_cast<Apertura>(primeraMano);
            b.a.Jugador[4].ControlJugador = Control::Automatico; // nobody waits for a person
            ASSERT_EQ(ValidarReglas(b.a), FalloReglas::Ninguno);
            for (int m = 1; m <= mano; ++m) {
                ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
                EstadoJuego antes = b.e;
                AvanzarTurno(antes, b.a);
                const FotoMano inicio = TomarFoto(antes);
                const ResultadoManoAlAzar jugada = JugarManoAlAzar(b.c);
                ASSERT_EQ(jugada.Fallo, FalloJugada::Ninguno) << "jugada " << b.e.NumeroJugada;
                if (m < mano) continue;
                ++manos;

                AvanzarTurno(b.e, b.a);
                b.e.PosicionGrabadora = b.e.NumeroJugada;
                b.e.GrabadoraActiva = true;
                const FotoMano fin = TomarFoto(b.e);
                const auto jugadas = b.e.Jugadas;
                largas += b.e.NumeroJugada > 40 ? 1 : 0;
                // Each record taken back, applied again and taken back once more.
                while (b.e.NumeroJugada >= 2) {
                    const FotoMano aqui = TomarFoto(b.e);
                    const Entero extremo = b.e.Jugadas[I(b.e.NumeroJugada - 1)].Extremo;
                    robos += extremo == kExtremoRoba ? 1 : 0;
                    pases += extremo == kExtremoPasa ? 1 : 0;
                    ASSERT_EQ(RetrocederGrabadora(b.c), FalloJugada::Ninguno) << b.e.NumeroJugada;
                    b.mesa.Llamadas.clear();
                    ASSERT_EQ(AvanzarGrabadora(b.c), FalloJugada::Ninguno) << b.e.NumeroJugada;
                    ASSERT_EQ(b.mesa.Veces("AnimarRobarFicha"), extremo == kExtremoRoba ? 1 : 0);
                    ASSERT_EQ(DiferenciaFotos(aqui, TomarFoto(b.e)), "") << "jugada " << b.e.NumeroJugada - 1;
                    ASSERT_EQ(RetrocederGrabadora(b.c), FalloJugada::Ninguno);
                }
                ASSERT_EQ(DiferenciaFotos(inicio, TomarFoto(b.e)), "") << "al volver a la jugada 1";
                ASSERT_EQ(IrAlFinalGrabadora(b.c), FalloJugada::Ninguno);
                ASSERT_EQ(DiferenciaFotos(fin, TomarFoto(b.e)), "") << "al volver al final";
                ASSERT_EQ(b.e.Jugadas, jugadas) << "stepping never changes the records";
                EXPECT_FALSE(b.e.GrabadoraActiva);
            }
        }
    }
    // The hands really went through draws, passes and long move lists.
    EXPECT_EQ(manos, 3000);
    EXPECT_GT(robos, 1000);
    EXPECT_GT(pases, 1000);
    EXPECT_GT(largas, 10);
}

// Seat 1 holds 6-4 and 1-1, seat 2 holds 3-3; the stock 0-0 under 4-2. Seat 1 leads 6-4, seat 2 draws 4-2
// and lays it, seat 1 draws 0-0 and passes.
struct ManoGuionada
{
    Banco b;
    ManoGuionada()
    {
        b.Asientos("12");
        b.a.FichasPorJugador = 7;
        b.a.RemanentesMonton = 0;
        PrepararInicioLinea(b.e.Linea, 1, b.pantalla);
        b.e.NumeroMano = 2;
        b.e.JugadorTurno = 1;
        b.e.NumeroJugada = 1;
        b.e.JugadaElegida = true;
        DarFichas(b.e, 1, "64 11");
        DarFichas(b.e, 2, "33");
        b.e.Monton[1] = {0, 0};
        b.e.Monton[2] = {4, 2};
        b.e.FichasMonton = 2;
        Jugar(6, 4, 1);
        EXPECT_EQ(RobarFicha(b.c), FalloJugada::Ninguno);
        Jugar(4, 2, 2);
        EXPECT_EQ(RobarFicha(b.c), FalloJugada::Ninguno);
        Jugar(kNinguna, kNinguna, kExtremoPasa);
        b.e.PosicionGrabadora = b.e.NumeroJugada;
        b.e.GrabadoraActiva = true;
        b.mesa.Llamadas.clear();
    }
    void Jugar(Entero a, Entero bb, Entero extremo)
    {
        b.e.FichaA = a;
        b.e.FichaB = bb;
        b.e.ExtremoElegido = extremo;
        EXPECT_EQ(EjecutarJugada(b.c), FalloJugada::Ninguno);
        AvanzarTurno(b.e, b.a);
    }
};

TEST(Grabadora, al_retroceder_el_robo_no_mueve_el_turno_y_la_ficha_vuelve_al_monton)
{
    ManoGuionada g;
    Banco& b = g.b;
    ASSERT_EQ(b.e.NumeroJugada, 6);
    // After each step back: the move, the turn, the stock, the slots of seats 1 and 2, the ends; a call made.
    const std::pair<std::array<Entero, 7>, const char*> pasos[] = {
        {{5, 1, 0, 3, 2, 6, 2}, "MostrarPaso 1"},    // the pass sign shows again
        {{4, 1, 1, 2, 2, 6, 2}, "DibujarMonton"},    // the draw: the turn stays
        {{3, 2, 1, 2, 2, 6, 4}, "DeshacerJugada 3"}, // the tile: back one seat
        {{2, 2, 2, 2, 1, 6, 4}, "DibujarMonton"},
        {{1, 1, 2, 2, 1, kNinguna, kNinguna}, "DeshacerJugada 1"}, // no tile: no number on either end
    };
    for (const auto& [esperado, llamada] : pasos) {
        SCOPED_TRACE(llamada);
        b.mesa.Llamadas.clear();
        b.ritmo.Sonidos.clear();
        ASSERT_EQ(RetrocederGrabadora(b.c), FalloJugada::Ninguno);
        const EstadoJuego& e = b.e;
        EXPECT_EQ((std::array<Entero, 7>{e.NumeroJugada, e.JugadorTurno, e.FichasMonton, e.HuecosMano[1],
                                         e.HuecosMano[2], e.Linea.Extremos[1], e.Linea.Extremos[2]}),
                  esperado);
        EXPECT_TRUE(b.mesa.Hubo(llamada));
        // Only a drawn tile going back to the stock clicks.
        EXPECT_EQ(b.ritmo.Sonidos == std::vector<int>{sonido::Ficha},
                  std::string(llamada) == "DibujarMonton");
        EXPECT_EQ((std::pair{b.mesa.Seleccionada, b.mesa.Adelante}), (std::pair{esperado[0] - 2, false}));
    }
    // Forward again the list's selection follows forwards.
    ASSERT_EQ(AvanzarGrabadora(b.c), FalloJugada::Ninguno);
    EXPECT_EQ((std::pair{b.mesa.Seleccionada, b.mesa.Adelante}), (std::pair{0, true}));
    ASSERT_EQ(RetrocederGrabadora(b.c), FalloJugada::Ninguno);
    // The drawn tiles' slots are empty again.
    EXPECT_EQ(b.e.Manos[1][3], HuecoMano{});
    EXPECT_EQ(b.e.Manos[2][2], HuecoMano{});
    EXPECT_EQ(b.e.Linea.FichasEnExtremo, (std::array<Entero, 3>{0, 0, 0}));
    EXPECT_EQ(b.e.Manos[1][1].Estado, kEnMano);
    EXPECT_EQ(b.e.FichasEnMano, (std::array<Entero, 5>{0, 2, 1, 0, 0}));
    // Nothing before the first move, nor past the records kept; "continue from here" at the first move
    // leaves nothing to replay: the remote is hidden.
    const FotoMano inicio = TomarFoto(b.e);
    EXPECT_EQ(RetrocederGrabadora(b.c), FalloJugada::ListaLlena);
    EXPECT_EQ(DiferenciaFotos(inicio, TomarFoto(b.e)), "");
    b.e.PosicionGrabadora = 1;
    ASSERT_EQ(IrAlFinalGrabadora(b.c), FalloJugada::Ninguno);
    EXPECT_TRUE(b.mesa.Hubo("OcultarGrabadora"));
    EXPECT_EQ(b.e.NumeroJugada, 1);
}

TEST(Grabadora, ir_al_final_desde_la_ultima_jugada_solo_apaga_la_grabadora)
{
    // Whether the hand was reopened; the move list's setting.
    for (const auto& [reabierta, lista] : {std::pair{false, 1}, {false, 2}, {true, 1}}) {
        ManoGuionada g;
        Banco& b = g.b;
        b.a.ListaJugadas = static_cast<VistaLista>(lista);
        b.e.ManoReabierta = reabierta;
        b.e.EsperaContinuar = true;
        CalcularDisposicionManos(b.c);
        b.mesa.Llamadas.clear();
        const FotoMano antes = TomarFoto(b.e);
        ASSERT_EQ(IrAlFinalGrabadora(b.c), FalloJugada::Ninguno);
        EXPECT_EQ(DiferenciaFotos(antes, TomarFoto(b.e)), "");
        EXPECT_FALSE(b.e.GrabadoraActiva);
        EXPECT_EQ(b.mesa.Llamadas.back(), "PunteroGrabadora 0"); // the remote's pointer back to normal
        EXPECT_TRUE(b.mesa.Hubo("ApagarGrabadora"));
        EXPECT_EQ(b.mesa.Veces("AnimarJugada"), 0);
        EXPECT_EQ(b.mesa.Hubo("OcultarListaJugadas"), lista == 2);
        EXPECT_EQ(b.mesa.Hubo("OcultarBotonContinuar"), reabierta) << "a reopened hand ends again";
        EXPECT_EQ(b.e.EsperaContinuar, !reabierta);
        EXPECT_FALSE(b.mesa.Hubo("OcultarGrabadora"));
    }
}

TEST(Grabadora, un_registro_que_no_cuadra_con_la_mano_se_rechaza_sin_tocar_nada)
{
    // Steps back first, then the step tried. Two back, the next back is record 3, seat 2's 4-2 in its slot 2;
    // one back, record 4, the 0-0 drawn into seat 1's slot 3, which two back and one forward draws again.
    // clang-format off
    const std::tuple<const char*, int, FalloJugada (*)(Contexto&), std::function<void(EstadoJuego&)>, FalloJugada> casos[] = {
        {"la ficha ya no esta en la mano", 2, &RetrocederGrabadora, [](EstadoJuego& e) { e.Manos[2][2] = {5, 5, kPuesta}; }, FalloJugada::FichaAusente},
        {"la ficha puesta aparece en la mano", 2, &RetrocederGrabadora, [](EstadoJuego& e) { e.Manos[2][2].Estado = kEnMano; }, FalloJugada::FichaYaPuesta},
        {"el jugador del registro no existe", 2, &RetrocederGrabadora, [](EstadoJuego& e) { e.Jugadas[3].Jugador = 7; }, FalloJugada::JugadorNoValido},
        {"el jugador del registro es 1", 2, &RetrocederGrabadora, [](EstadoJuego& e) { e.Jugadas[3].Jugador = 1; }, FalloJugada::FichaAusente},
        {"extremo desconocido", 2, &RetrocederGrabadora, [](EstadoJuego& e) { e.Jugadas[3].Extremo = 5; }, FalloJugada::ExtremoNoValido},
        {"un robo que no es el ultimo hueco", 1, &RetrocederGrabadora, [](EstadoJuego& e) { e.Manos[1][++e.HuecosMano[1]] = {5, 1, kEnMano}; }, FalloJugada::FichaAusente},
        {"sin jugadas delante no se avanza", 0, &AvanzarGrabadora, [](EstadoJuego&) {}, FalloJugada::ListaLlena},
        {"un robo a una mano sin huecos libres", 2, &AvanzarGrabadora, [](EstadoJuego& e) { e.HuecosMano[1] = kHuecos; }, FalloJugada::ManoLlena},
        {"un robo que no cabe en el monton", 1, &RetrocederGrabadora, [](EstadoJuego& e) { e.FichasMonton = kHuecosMonton; }, FalloJugada::MontonAgotado},
    };
    // clang-format on
    for (const auto& [nombre, atras, paso, estropear, fallo] : casos) {
        SCOPED_TRACE(nombre);
        ManoGuionada g;
        Banco& b = g.b;
        for (int i = 0; i < atras; ++i) ASSERT_EQ(RetrocederGrabadora(b.c), FalloJugada::Ninguno);
        estropear(b.e);
        const FotoMano antes = TomarFoto(b.e);
        EXPECT_EQ(paso(b.c), fallo);
        EXPECT_EQ(DiferenciaFotos(antes, TomarFoto(b.e)), "");
    }
}

} // namespace
} // namespace zp
