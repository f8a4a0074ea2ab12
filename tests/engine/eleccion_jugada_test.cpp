// The automatic player's move choice: which tiles count as candidates and in what order, the lead, the
// single and forced moves, the hint at the top level, and when the endgame search may overrule the score.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "eleccion_posicion.h"
#include "engine/eleccion.h"
#include "engine/reparto.h"
#include "tests/soporte/mesa_que_anota.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp::prueba {
namespace {

// The position's engine with a table that remembers the hand marking, and a search that answers as told.
struct Eleccion
{
    explicit Eleccion(Posicion& p) : pos(p) {}
    Contexto Ctx()
    {
        return Contexto{pos.e,     pos.a,   pos.pantalla, mesa,    pos.usuario,
                        pos.ritmo, pos.red, pos.almacen,  pos.azar};
    }
    void Elegir()
    {
        Contexto c = Ctx();
        ElegirJugada(c, [this](const EstadoJuego&, const Ajustes&, ResultadoFinalMano& r) {
            ++Busquedas;
            if (!Resultado) return false;
            r = *Resultado;
            return true;
        });
    }
    Posicion& pos;
    MesaQueAnota mesa;
    int Busquedas = 0;
    const ResultadoFinalMano* Resultado = nullptr;
};

TEST(ListarCandidatas, siguen_el_orden_de_los_huecos_con_la_primera_mitad_antes_y_el_doble_una_vez)
{
    // Seat 4's slots: held, laid, held; the ends. A tile whose number both ends show is one candidate.
    const std::tuple<const char*, const char*, const char*, int, int, std::vector<Candidata>> casos[] = {
        {"35", "66", "55 13 42", 3, 5, {{3, 5}, {5, 3}, {5, 5}, {3, 1}}}, {"41 66", "", "", 4, 4, {{4, 1}}}};
    for (const auto& [antes, puesta, despues, e1, e2, candidatas] : casos) {
        Posicion pos;
        pos.Mano(4, antes);
        pos.Puestas(4, puesta);
        pos.Mano(4, despues);
        pos.Extremos(e1, e2);
        const ListaCandidatas l = ListarCandidatas(pos.e, 4);
        EXPECT_EQ(std::vector<Candidata>(l.Candidatas.begin() + 1, l.Candidatas.begin() + 1 + l.Cantidad),
                  candidatas);
    }
}

TEST(ElegirJugada, la_salida_libre_segun_los_dobles_y_los_numeros_de_la_mano)
{
    const std::tuple<const char*, const char*, int, Ficha> casos[] = {
        {"un doble con tres de su número", "55 51 52 64 63 40 31", 2, {5, 5}},
        {"un doble con cinco y un número que falta", "66 65 64 63 62 54 43", 2, {6, 6}},
        {"un doble con cinco y los siete números, Medio", "66 65 64 61 60 53 52", 2, {6, 5}},
        {"lo mismo, Conservador", "66 65 64 61 60 53 52", 1, {6, 6}},
        {"un doble solo: el número más común con el mejor situado", "00 65 64 63 54 53 21", 2, {6, 5}},
        {"dos dobles: el de más fichas", "22 55 51 50 21 64 63", 2, {5, 5}},
        {"dos dobles: el menor con más", "22 55 21 20 26 54 31", 2, {2, 2}},
        {"dos dobles sueltos", "22 55 64 63 43 10 61", 2, {6, 4}},
        {"tres dobles: el más alto acompañado", "66 33 11 32 10 54 42", 2, {3, 3}},
        {"siete dobles: el blanco doble", "00 11 22 33 44 55 66", 2, {0, 0}},
        // No rule picks a tile, and the double blank to fall back on is not there.
        {"seis dobles sin el blanco doble: la última", "11 22 33 44 55 66", 2, {6, 6}},
    };
    for (const auto& [nombre, mano, caracter, salida] : casos) {
        Posicion pos;
        pos.e.NumeroJugada = 1;
        pos.a.FichasPorJugador = static_cast<Entero>((std::strlen(mano) + 1) / 3);
        pos.Mano(4, mano);
        ContarManos(pos.e, pos.a);
        OrdenarNumeros(pos.e, pos.a);
        pos.a.Jugador[4].CaracterJugador = static_cast<Caracter>(caracter);
        Eleccion el(pos);
        el.Elegir();
        EXPECT_EQ((std::tuple{pos.e.JugadasPosibles, pos.e.ExtremoElegido, pos.e.EleccionTurno}),
                  (std::tuple{99, 1, false}))
            << nombre;
        EXPECT_EQ((Ficha{pos.e.FichaA, pos.e.FichaB}), salida) << nombre;
    }
}

// The mover (level 30) would leave 3 open; at level 100 he sees that the next seat's last tile is 3-3.
void PosicionDelTutor(Posicion& pos)
{
    pos.Mano(4, "63 62 11");
    pos.Mano(1, "33");
    pos.Mano(2, "55 54");
    pos.Mano(3, "44 40");
    pos.Extremos(6, 0);
    pos.a.Jugador[4].NivelJugador = 30;
}

TEST(ElegirJugada, el_tutor_elige_como_nivel_100_y_devuelve_el_nivel_del_jugador)
{
    Posicion pos;
    PosicionDelTutor(pos);
    Eleccion propia(pos);
    propia.Elegir();
    EXPECT_EQ((Ficha{pos.e.FichaA, pos.e.FichaB}), (Ficha{6, 3}));

    pos.e.ModoAyuda = true;
    Eleccion ayuda(pos);
    ayuda.Elegir();
    EXPECT_EQ((Ficha{pos.e.FichaA, pos.e.FichaB}), (Ficha{6, 2}));
    EXPECT_EQ(pos.a.Jugador[4].NivelJugador, 30);
    EXPECT_EQ(ayuda.Busquedas, 1); // three tiles: the top level searches
    EXPECT_EQ(propia.Busquedas, 0);
}

TEST(ElegirJugada, solo_la_eleccion_corriente_marca_las_fichas)
{
    // Only counting, the hint, a move already chosen; the tiles marked.
    const std::tuple<bool, bool, bool, int> casos[] = {
        {false, false, false, 1}, {true, false, false, 0}, {false, true, false, 0}, {false, false, true, 0}};
    for (const auto& [soloContar, ayuda, elegida, marcas] : casos) {
        Posicion pos;
        PosicionDelTutor(pos);
        pos.e.SoloContar = soloContar;
        pos.e.ModoAyuda = ayuda;
        pos.e.JugadaElegida = elegida;
        Eleccion el(pos);
        el.Elegir();
        EXPECT_EQ(el.mesa.Veces("IndicarFichas"), marcas);
        EXPECT_EQ(pos.e.JugadasPosibles, 2);
        EXPECT_TRUE(pos.e.EleccionTurno);
    }
}

TEST(ElegirJugada, la_busqueda_solo_corre_cerca_del_final_y_a_nivel_alto)
{
    // Level, mode, tiles held, stock (reserve 3); the searches run.
    const std::tuple<const char*, int, int, int, int, int> casos[] = {
        {"nivel 79, dos fichas", 79, 1, 2, 0, 0},
        {"nivel 80, dos fichas", 80, 1, 2, 0, 1},
        {"nivel 99, tres fichas", 99, 1, 3, 0, 0},
        {"nivel 100, tres fichas", 100, 1, 3, 0, 1},
        {"nivel 100, cuatro fichas", 100, 1, 4, 0, 0},
        {"individual con montón que robar", 100, 2, 2, 5, 0},
        {"individual con el montón en su reserva", 100, 2, 2, 3, 1},
    };
    const char* mano[] = {"63", "62", "11", "10"};
    for (const auto& [nombre, nivel, modo, fichas, monton, busquedas] : casos) {
        Posicion pos(static_cast<Modalidad>(modo));
        for (int i = 0; i < fichas; ++i) pos.Mano(4, mano[i]);
        pos.Mano(1, "55 54");
        pos.Extremos(6, 0);
        pos.e.FichasMonton = static_cast<Entero>(monton);
        pos.a.RemanentesMonton = 3;
        pos.a.Jugador[4].NivelJugador = static_cast<Entero>(nivel);
        Eleccion el(pos);
        el.Elegir();
        EXPECT_EQ(el.Busquedas, busquedas) << nombre;
    }
    for (const auto& [nivel, fichas] : {std::pair{100, 3}, {99, 2}, {80, 2}, {79, 0}, {60, 0}, {0, 0}})
        EXPECT_EQ(ProfundidadBusqueda(static_cast<Entero>(nivel)), fichas) << nivel;
}

TEST(ElegirJugada, entre_nivel_80_y_95_la_busqueda_corre_pero_no_cambia_la_eleccion)
{
    ResultadoFinalMano r;
    r.PorcentajeGanadas = {0, 0, 100, 100};
    r.MediaPuntosGanados = {0, 0, 30, 40};
    for (int nivel : {90, 96}) {
        Posicion pos;
        pos.Mano(4, "63 62");
        pos.Mano(1, "55 54");
        pos.Extremos(6, 2);
        pos.e.PesoNumero[2][6] = -10; // the partner lacks 6s: the score prefers covering the 6
        pos.a.Jugador[4].NivelJugador = static_cast<Entero>(nivel);
        Eleccion el(pos);
        el.Resultado = &r;
        el.Elegir();
        EXPECT_EQ(el.Busquedas, 1);
        ASSERT_EQ(pos.e.JugadasPosibles, 3);
        const ListaCandidatas l = ListarCandidatas(pos.e, 4);
        const Candidata jugada{pos.e.FichaA, pos.e.FichaB};
        if (nivel == 90)
            EXPECT_NE(jugada, l.Candidatas[3]) << "la puntuación decide";
        else
            EXPECT_EQ(jugada, l.Candidatas[3]) << "la victoria segura que más vale";
    }
}

TEST(RevisarConFinalDeMano, cuando_la_busqueda_cambia_la_jugada_puntuada)
{
    // Each root's share of wins and mean points; the scored choice, level, character, tiles; pairs; the move.
    // clang-format off
    const std::tuple<const char*, std::vector<float>, std::vector<float>, int, int, int, int, bool, int> casos[] = {
        {"96: la segura de más media sobre 1,1 veces", {90, 100, 100}, {10, 12, 11.5f}, 1, 96, 2, 3, true, 2},
        {"96: medias iguales, la última", {90, 100, 100}, {10, 12, 12}, 1, 96, 2, 3, true, 3},
        {"96: ninguna pasa de 1,1 veces", {90, 100, 100}, {10, 11, 10.5f}, 1, 96, 2, 3, true, 1},
        {"100: la puntuada ya es la primera mejor", {100, 100}, {5, 50}, 1, 100, 2, 2, true, 1},
        {"100: 0 % contra 40 %, Agresivo", {0, 40}, {0, 9}, 1, 100, 3, 3, false, 2},
        {"100: 0 % contra 40 %, Medio con dos fichas", {0, 40}, {0, 9}, 1, 100, 2, 2, false, 2},
        {"100: 0 % contra 40 %, Conservador con tres", {0, 40}, {0, 9}, 1, 100, 1, 3, false, 1},
        {"100: Medio en parejas, cuatro puntos no bastan", {50, 54}, {9, 9}, 1, 100, 2, 2, true, 1},
        {"100: Medio en parejas, cinco sí", {50, 55}, {9, 9}, 1, 100, 2, 2, true, 2},
        {"100: 4,5 se redondea a 4", {50, 54.5f}, {9, 9}, 1, 100, 2, 2, true, 1},
        {"100: la segura contra la dudosa", {90, 100}, {9, 1}, 1, 100, 1, 3, true, 2},
        {"99: nada de eso", {0, 100}, {0, 9}, 1, 99, 3, 2, true, 1},
        {"una posterior debe superar el máximo redondeado", {0, 33.4f, 33.3f}, {0, 9, 9}, 1, 100, 3, 3, true, 3},
    };
    // clang-format on
    for (const auto& [nombre, porcentaje, media, elegida, nivel, caracter, fichas, parejas, resultado] :
         casos) {
        ResultadoFinalMano r;
        for (std::size_t i = 0; i < porcentaje.size(); ++i) {
            r.PorcentajeGanadas[i + 1] = porcentaje[i];
            r.MediaPuntosGanados[i + 1] = media[i];
        }
        EXPECT_EQ(RevisarConFinalDeMano(r, static_cast<int>(porcentaje.size()), elegida,
                                        static_cast<Entero>(nivel), static_cast<Caracter>(caracter),
                                        static_cast<Entero>(fichas), parejas),
                  resultado)
            << nombre;
    }
}

} // namespace
} // namespace zp::prueba
