// The automatic player's judgement: the number analysis, the seat roles and the value of each scoring rule
// in the situations it was made for.
#include <gtest/gtest.h>

#include <vector>

#include "eleccion_posicion.h"
#include "engine/analisis_mano.h"

namespace zp::prueba {
namespace {

const Modalidad kParejas = Modalidad::Parejas, kIndividual = Modalidad::Individual;

TEST(AnalisisNumero, cuenta_puestas_vistas_y_quien_sostiene_el_numero)
{
    Posicion pos;
    pos.Puestas(1, "33 31");
    pos.Mano(2, "35 66"); // the mover's partner
    pos.Mano(4, "20");
    const AnalisisNumero an = AnalizarFichasNumero(pos.e, 4, 3);
    EXPECT_EQ((std::array<int, 6>{an.PuestasConNumero, an.EsDoble, an.FichasConNumero[2],
                                  an.FichasConNumero[4], an.BandoDobleNumero, an.PoseedorDobleNumero}),
              (std::array<int, 6>{2, 1, 1, 0, 0, 0}));
    EXPECT_EQ(an.VistoConNumero, (std::array<Entero, 7>{0, 1, 0, 1, 0, 0, 0}));
    // Pips held, whatever their numbers, by seat and by side.
    EXPECT_EQ((std::array<float, 4>{an.PuntosEnMano[2], an.PuntosEnMano[4], an.PuntosEnBando[1],
                                    an.PuntosEnBando[2]}),
              (std::array<float, 4>{20, 2, 22, 0}));
}

TEST(RolesAsientos, en_parejas_el_rival_cargado_pasa_detras_solo_por_encima_del_nivel_20)
{
    Posicion pos;
    pos.e.FichasEnMano = {0, 5, 3, 2, 4}; // the next seat (1) holds more than its partner (3)
    for (const auto& [nivel, rivales] : {std::pair{50, 31}, {21, 31}, {20, 13}}) {
        const RolesAsientos r = CalcularRoles(pos.e, pos.a, 4, static_cast<Entero>(nivel));
        EXPECT_EQ(r.Rival1 * 10 + r.Rival2, rivales) << nivel;
        EXPECT_EQ(r.Propio1 * 10 + r.Propio2, 24) << nivel; // the partner holds fewer
    }
    pos.e.FichasEnMano = {0, 5, 4, 2, 4};
    EXPECT_EQ(CalcularRoles(pos.e, pos.a, 4, 50).Propio1, 4); // equal counts: the mover himself
}

// A position and the value of some rules for one candidate of seat 4.
struct CasoRegla
{
    const char* nombre;
    Modalidad modo;
    const char* asientos;
    std::array<const char*, 5> puestas, manos; // by seat; laid first
    int e1, e2, A, B, nivel, caracter;
    std::vector<std::pair<int, int>> reglas; // rule, value
};

TEST(ReglasPuntuacion, cada_regla_vale_lo_suyo_en_la_situacion_para_la_que_se_hizo)
{
    const char* n = "";
    // clang-format off
    const CasoRegla casos[] = {
        // Rules 1 and 9: the double by what of its number is laid.
        {"doble con tres puestas, nivel 45, Medio", kParejas, "1234", {n, "50 51 52"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 45, 2, {{1, 50}, {9, 0}}},
        {"doble con tres puestas, nivel 40: sin el 35", kParejas, "1234", {n, "50 51 52"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 40, 2, {{1, 30}, {9, 0}}},
        {"doble con tres puestas, Agresivo", kParejas, "1234", {n, "50 51 52"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 45, 3, {{1, 35}, {9, 0}}},
        {"doble con cinco puestas, nivel 45", kParejas, "1234", {n, "50 51 52 53 54"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 45, 2, {{1, 120}, {9, 0}}},
        {"doble con cinco puestas, nivel 61: regla 9", kParejas, "1234", {n, "50 51 52 53 54"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 61, 2, {{1, 120}, {9, 90}}},
        {"doble con cinco puestas, nivel 60", kParejas, "1234", {n, "50 51 52 53 54"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 60, 2, {{9, 0}}},
        {"doble con cinco puestas, nivel 61, Conservador", kParejas, "1234", {n, "50 51 52 53 54"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 61, 1, {{1, 120}, {9, 130}}},
        {"doble con dos puestas", kParejas, "1234", {n, "50 51"}, {n, n, n, n, "55 61 43"}, 5, 6, 5, 5, 100, 2, {{1, 30}, {9, 0}}},
        // Both ends show 5: the tile 2-5 is the candidate itself and joins nothing. With different ends the
        // same counts would make rule 18 judge a block.
        {"con los dos extremos iguales no se juzga la ficha que los uniria", kParejas, "1234", {n, n, n, "50 51 53 54 56"}, {n, "55", n, n, "52 11"}, 5, 5, 5, 2, 100, 2, {{8, 0}, {18, 0}, {19, 0}}},
        // Rule 10: the double of a number with four laid, the mover's other tile of it kept.
        {"doble con cuatro puestas y otra en mano, nivel 81", kParejas, "1234", {n, "30 32 34 35"}, {n, n, n, n, "33 31 66"}, 3, 6, 3, 3, 81, 2, {{10, 600}}},
        {"doble con cuatro puestas y otra en mano, nivel 80", kParejas, "1234", {n, "30 32 34 35"}, {n, n, n, n, "33 31 66"}, 3, 6, 3, 3, 80, 2, {{10, 0}}},
        // Rule 13: seat 1 moves after seat 4 and holds 3-3 alone.
        {"no abrir el numero de la ultima ficha del siguiente", kParejas, "1234", {}, {n, "33", n, n, "63 10"}, 6, 0, 6, 3, 96, 2, {{13, -320}}},
        {"no abrir el numero: bajo el nivel 96", kParejas, "1234", {}, {n, "33", n, n, "63 10"}, 6, 0, 6, 3, 95, 2, {{13, 0}}},
        {"no abrir el numero: otro numero", kParejas, "1234", {}, {n, "33", n, n, "63 10"}, 6, 0, 6, 1, 96, 2, {{13, 0}}},
        // Rule 14: seat 4 lays 6-3, the sixth 3 but for 3-3, which seat 1 holds. After the block the other
        // side keeps 10 pips and the own side 1 plus the partner's. Agresivo never misjudges.
        {"cierre a nivel 100 con puntos iguales", kParejas, "1234", {n, n, n, "30 31 32 34 35"}, {n, "33 42", "54", "40", "63 10"}, 6, 3, 6, 3, 100, 3, {{14, 600}}},
        {"cierre a nivel 100 con uno mas", kParejas, "1234", {n, n, n, "30 31 32 34 35"}, {n, "33 42", "64", "40", "63 10"}, 6, 3, 6, 3, 100, 3, {{14, -600}}},
        {"cierre a nivel 0 con veinte mas", kParejas, "1234", {n, n, n, "30 31 32 34 35"}, {n, "33 42", "66 55 61", "40", "63 10"}, 6, 3, 6, 3, 0, 3, {{14, 600}}},
        {"cierre a nivel 0 con veintiuno mas", kParejas, "1234", {n, n, n, "30 31 32 34 35"}, {n, "33 42", "66 55 62", "40", "63 10"}, 6, 3, 6, 3, 0, 3, {{14, -600}}},
        {"cierre con el doble en manos de nadie", kParejas, "1234", {n, n, n, "30 31 32 34 35"}, {n, "42", "54", "40", "63 10"}, 6, 3, 6, 3, 100, 3, {{14, 600}}},
        // Rule 15: seat 4 covers the last open 4 with 4-6 while 4-4 is not laid.
        {"cerrar dejando el doble del companero", kParejas, "1234", {n, n, n, "40 41 42 43 45"}, {n, n, "44 22", n, "46 11"}, 4, 0, 4, 6, 60, 2, {{15, -400}}},
        {"cerrar dejando el doble de un rival", kParejas, "1234", {n, n, n, "40 41 42 43 45"}, {n, "44 22", n, n, "46 11"}, 4, 0, 4, 6, 60, 2, {{15, -50}}},
        {"cerrar dejando la ultima ficha del rival, nivel 91", kParejas, "1234", {n, n, n, "40 41 42 43 45"}, {n, "44", n, n, "46 11"}, 4, 0, 4, 6, 91, 2, {{15, 450}}},
        {"cerrar dejando la ultima ficha del rival, nivel 90", kParejas, "1234", {n, n, n, "40 41 42 43 45"}, {n, "44", n, n, "46 11"}, 4, 0, 4, 6, 90, 2, {{15, -50}}},
        {"cerrar bajo el nivel 51", kParejas, "1234", {n, n, n, "40 41 42 43 45"}, {n, "44", n, n, "46 11"}, 4, 0, 4, 6, 50, 2, {{15, 0}}},
        {"cerrar al nivel 51", kParejas, "1234", {n, n, n, "40 41 42 43 45"}, {n, "44", n, n, "46 11"}, 4, 0, 4, 6, 51, 2, {{15, -50}}},
        // Rule 16: leaving open the number of the double still held.
        {"dejar abierto el numero del doble en mano", kIndividual, "1234", {n, "50 51 53 54 56"}, {n, n, n, n, "52 55"}, 2, 5, 2, 5, 0, 2, {{16, 2000}}},
        {"cubrir el numero del doble en mano", kIndividual, "1234", {n, "50 51 53 54 56"}, {n, n, n, n, "52 55"}, 2, 5, 5, 2, 0, 2, {{16, 0}}},
        {"poner el doble", kIndividual, "1234", {n, "50 51 53 54 56"}, {n, n, n, n, "52 55"}, 2, 5, 5, 5, 0, 2, {{16, 0}}},
        // Rule 17: opening the number of the partner's last tile 2-5.
        {"abrir el numero del companero con tres cincos puestos", kParejas, "1234", {n, n, n, "50 51 53"}, {n, n, "25", "55", "65 11"}, 6, 1, 6, 5, 96, 2, {{17, 40}}},
        {"abrir el numero del companero con cuatro cincos puestos", kParejas, "1234", {n, n, n, "50 51 53 54"}, {n, n, "25", "55", "65 11"}, 6, 1, 6, 5, 96, 2, {{17, 200}}},
        {"abrir el numero del companero si el siguiente tiene el 5-5", kParejas, "1234", {n, n, n, "50 51 53"}, {n, "55", "25", n, "65 11"}, 6, 1, 6, 5, 96, 2, {{17, 60}}},
        {"abrir el numero del companero bajo el nivel 96", kParejas, "1234", {n, n, n, "50 51 53 54"}, {n, n, "25", "55", "65 11"}, 6, 1, 6, 5, 95, 2, {{17, 0}}},
        // Rule 18: seat 4 plays 6-2 on the 6 (other end 5); 2-5 would then close the 5s, whose double seat 1
        // holds: worth it when seat 4 then keeps fewer pips than both rivals, by the margin.
        {"la ficha siguiente cierra y los rivales guardan mas", kIndividual, "124", {n, "50 51 53 54 56"}, {n, "55 64 25", "66", n, "62 44 33"}, 6, 5, 6, 2, 81, 2, {{18, 50}}},
        {"la ficha siguiente cierra y un rival guarda menos", kIndividual, "124", {n, "50 51 53 54 56"}, {n, "55 64 25", "10", n, "62 44 33"}, 6, 5, 6, 2, 81, 2, {{18, -50}}},
        {"la ficha siguiente cierra y el otro rival guarda menos", kIndividual, "124", {n, "50 51 53 54 56"}, {n, "55 10 25", "66", n, "62 44 33"}, 6, 5, 6, 2, 81, 2, {{18, -50}}},
        {"la ficha siguiente cierra y un rival guarda justo el margen", kIndividual, "124", {n, "50 51 53 54 56"}, {n, "55 64 25", "54", n, "62 44 33"}, 6, 5, 6, 2, 81, 2, {{18, -50}}},
        {"la ficha siguiente cierra bajo el nivel 81", kIndividual, "124", {n, "50 51 53 54 56"}, {n, "55 64 25", "66", n, "62 44 33"}, 6, 5, 6, 2, 80, 2, {{18, 0}}},
    };
    // clang-format on
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Posicion pos(c.modo, c.asientos);
        for (Entero p = 1; p <= 4; ++p) {
            if (c.puestas[I(p)]) pos.Puestas(p, c.puestas[I(p)]);
            if (c.manos[I(p)]) pos.Mano(p, c.manos[I(p)]);
        }
        pos.Extremos(c.e1, c.e2);
        const DesglosePuntuacion d = pos.Puntuar(c.A, c.B, c.nivel, c.caracter);
        for (const auto& [regla, valor] : c.reglas) EXPECT_EQ(d.Regla[I(regla)], valor) << "regla " << regla;
    }
    // A block is judged by the pips with a margin that shrinks as the level grows.
    for (const auto& [nivel, margen] : {std::pair<Entero, int>{0, 21}, {50, 11}, {100, 1}, {97, 2}})
        EXPECT_EQ(MargenBloqueo(nivel), margen) << nivel;
}

TEST(ReglasPuntuacion, el_valor_base_depende_del_caracter_y_del_lugar_del_numero_que_queda_abierto)
{
    const std::array<int, 3> casos[] = {
        {2, 1, 13}, {3, 1, 11}, {1, 1, 15}, {2, 7, 7}}; // character, place, base
    for (const auto& [caracter, lugar, base] : casos) {
        Posicion pos;
        pos.Extremos(6, 0);
        pos.Mano(4, "62 11");
        pos.e.NumerosOrdenados[4] = {0, 5, 4, 3, 1, 0, 6, 5};
        pos.e.NumerosOrdenados[4][I(lugar)] = 2;
        if (lugar != 1) pos.e.NumerosOrdenados[4][1] = 5;
        EXPECT_EQ(pos.Puntuar(6, 2, 50, caracter).Base, base) << caracter << " " << lugar;
    }
}

TEST(ReglasPuntuacion, los_pesos_de_un_doble_van_a_la_mitad_redondeada_a_par_y_el_asiento_vacio_no_pesa)
{
    for (const auto& [peso, esperado] : {std::pair{-5, 2}, {-7, 4}, {-6, 3}}) {
        Posicion pos;
        pos.Extremos(5, 0);
        pos.Mano(4, "55 10");
        pos.e.FichasEnMano = {0, 3, 3, 3, 2}; // the rivals hold as many: 1 stays first, 3 second
        pos.e.PesoNumero[3][5] = static_cast<Entero>(peso); // second rival: -1 x weight
        pos.e.PesoNumero[1][5] = pos.e.PesoNumero[4][5] = 0;
        EXPECT_EQ(pos.Puntuar(5, 5, 50, 2).Pesos, esperado) << peso;
    }
    // With three players the empty seat weighs nothing.
    Posicion pos(kIndividual, "124");
    pos.Extremos(6, 0);
    pos.Mano(4, "62 10");
    pos.e.FichasEnMano = {0, 4, 5, 0, 2};
    pos.e.PesoNumero[3] = pos.e.PesoNumero[0] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(pos.Puntuar(6, 2, 50, 2).Pesos, 0);
}

TEST(ReglasPuntuacion, la_ultima_ficha_del_numero_cubierto_recorta_la_mitad_de_g_redondeada_a_par)
{
    // Medio, g = 13: a score of 10 gives 3.5 and then 4; 11 gives 4.5 and then 4.
    for (const auto& [lugar, antes] : {std::pair{4, 10}, {3, 11}}) {
        Posicion pos;
        pos.Extremos(2, 0);
        pos.Mano(4, "24 46 41 61");
        pos.e.NumerosOrdenados[4] = {0, 6, 5, 3, 1, 2, 0, 0};
        pos.e.NumerosOrdenados[4][I(lugar)] = 4;
        const DesglosePuntuacion d = pos.Puntuar(2, 4, 50, 2);
        EXPECT_EQ(d.Base + d.Pesos, antes);
        EXPECT_EQ(pos.total, 4);
        EXPECT_EQ(d.Regla[2], 0);
    }
}

TEST(ReglasPuntuacion, las_reglas_de_la_salida_no_rigen_en_la_primera_mano_con_seis_doble)
{
    // The hand, how the first one opens; the values of rules 5, 6 and 7.
    const std::tuple<const char*, Entero, Apertura, std::array<int, 8>> casos[] = {
        {"segunda mano", 2, Apertura::SeisDoble, {0, 0, 0, 0, 0, -35, -15, 20}},
        {"primera mano con Seis Doble", 1, Apertura::SeisDoble, {}},
        {"primera mano por sorteo", 1, Apertura::Sorteo, {0, 0, 0, 0, 0, -35, -15, 20}},
    };
    // Rule 5: the partner led 6-6, the mover answers with a double. Rule 6: lead 6-4; the mover covers 4 and
    // leaves 1 while he holds 1-6. Rule 7: the leader's second tile leaves open the pip of his lead that the
    // other end shows.
    // Rule; move, leader, the lead's joined and open pips, the ends, the mover's hand, the candidate, level.
    const std::tuple<int, int, int, int, int, int, int, const char*, int, int, int> reglas[] = {
        {5, 3, 1, 6, 6, 6, 2, "22 10", 2, 2, 61},
        {6, 3, 1, 6, 4, 4, 2, "41 16 55", 4, 1, 81},
        {7, 5, 4, 6, 4, 4, 3, "34 11 20 50 51 22", 3, 4, 61}};
    for (const auto& [nombre, numeroMano, primera, valores] : casos) {
        for (const auto& [regla, jugada, salida, unido, abierto, e1, e2, mano, A, B, nivel] : reglas) {
            Posicion pos;
            pos.e.NumeroMano = numeroMano;
            pos.a.PrimeraMano = primera;
            pos.e.NumeroJugada = static_cast<Entero>(jugada);
            pos.e.JugadorSalida = static_cast<Entero>(salida);
            pos.e.Jugadas[1].PuntoUnido = static_cast<Entero>(unido);
            pos.e.Jugadas[1].PuntoAbierto = static_cast<Entero>(abierto);
            pos.Extremos(e1, e2);
            pos.Mano(4, mano);
            EXPECT_EQ(pos.Puntuar(A, B, nivel, 2).Regla[I(regla)], valores[I(regla)])
                << nombre << " " << regla;
        }
    }
}

TEST(ReglasPuntuacion, en_individual_el_doble_es_del_asiento_que_lo_recibio_en_el_reparto)
{
    // 4-4 lay in the stock at the deal and the mover drew it: it is nobody's. Covering the last open 4
    // with 4-6 is then judged as leaving another's double dead.
    Posicion pos(kIndividual);
    pos.Puestas(3, "40 41 42 43 45");
    pos.Mano(4, "46 11 44");
    pos.Mano(1, "22");
    pos.Extremos(4, 0);
    EXPECT_EQ(pos.Puntuar(4, 6, 60, 2).Regla[15], -400);
    pos.e.PoseedorDoble[4] = 0;
    EXPECT_EQ(pos.Puntuar(4, 6, 60, 2).Regla[15], -50);
}

} // namespace
} // namespace zp::prueba
