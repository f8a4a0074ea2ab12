// Where the tiles of the line go, its turns at the table's limits and the end arrows, with the figures of the
// 800x600 and 1024x768 layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/geometria_linea.h"

namespace zp {
namespace {

const Pantalla kMesa800 = MedirPantalla(800, 600);
const Pantalla kMesa1024 = MedirPantalla(1024, 768);

TEST(GeometriaLinea, el_inicio_de_la_linea_depende_de_donde_se_sienta_quien_sale)
{
    // Leader, table; directions and X of ends 1 and 2, their Y; the turn limits of each end by direction.
    using Limites = std::array<Entero, 5>;
    // clang-format off
    const std::tuple<const char*, Entero, const Pantalla*, Entero, Entero, Entero, Entero, Entero, Limites, Limites> casos[] = {
        {"asiento 1 a 800", 1, &kMesa800, 3, 1, 355, 358, 262, {0, 146, 419, 563, 425}, {0, 146, 146, 563, 145}},
        {"asiento 3 a 800", 3, &kMesa800, 3, 1, 355, 358, 262, {0, 146, 419, 563, 425}, {0, 146, 146, 563, 145}},
        {"asiento 2 a 800", 2, &kMesa800, 4, 2, 335, 335, 262, {0, 146, 146, 218, 425}, {0, 492, 146, 563, 425}},
        {"asiento 4 a 800", 4, &kMesa800, 4, 2, 335, 335, 262, {0, 146, 146, 218, 425}, {0, 492, 146, 563, 425}},
        {"asiento 1 a 1024", 1, &kMesa1024, 3, 1, 467, 470, 346, {0, 146, 503, 787, 593}, {0, 146, 146, 787, 229}},
        {"asiento 2 a 1024", 2, &kMesa1024, 4, 2, 447, 447, 346, {0, 146, 146, 330, 593}, {0, 604, 146, 787, 593}},
    };
    // clang-format on
    for (const auto& [nombre, salida, mesa, dir1, dir2, x1, x2, y, limite1, limite2] : casos) {
        SCOPED_TRACE(nombre);
        ExtremosLinea linea;
        linea.Extremos = {0, 9, 9};
        PrepararInicioLinea(linea, salida, *mesa);
        EXPECT_EQ(linea.DireccionExtremo, (std::array<Entero, 3>{0, dir1, dir2}));
        EXPECT_EQ(linea.XExtremo, (std::array<Entero, 3>{0, x1, x2}));
        EXPECT_EQ(linea.YExtremo, (std::array<Entero, 3>{0, y, y}));
        EXPECT_EQ(linea.LimiteGiro[1], limite1);
        EXPECT_EQ(linea.LimiteGiro[2], limite2);
        EXPECT_EQ(linea.Extremos[1] + linea.FichasEnExtremo[1], 9);
    }
    // The height rounds (alto - 42 - 77) / 2 + 21 to even.
    for (const auto& [alto, y] : {std::pair{600, 262}, {601, 262}, {602, 262}, {604, 264}, {768, 346}}) {
        ExtremosLinea linea;
        PrepararInicioLinea(linea, 1, MedirPantalla(800, alto));
        EXPECT_EQ(linea.YExtremo[1], y) << alto;
    }
}

TEST(GeometriaLinea, el_extremo_solo_gira_cuando_su_ancla_rebasa_el_limite_de_su_direccion)
{
    // Direction, its limit, anchor x and y, whether it turns.
    const std::tuple<Entero, Entero, Entero, Entero, bool> casos[] = {
        {3, 563, 563, 900, false}, {3, 563, 564, 0, true},  {1, 146, 146, 0, false},
        {1, 146, 145, 900, true},  {2, 146, 0, 146, false}, {2, 146, 900, 145, true},
        {4, 425, 900, 425, false}, {4, 425, 0, 426, true},  {0, 0, 900, 900, false}};
    for (const auto& [direccion, limite, x, y, gira] : casos)
        EXPECT_EQ(PasaLimiteGiro(direccion, limite, x, y), gira) << direccion << " " << x << "," << y;
}

TEST(GeometriaLinea, al_doblar_el_ancla_rodea_la_esquina_segun_cuanto_ha_rebasado_el_limite)
{
    // The anchor (x, y, direction, a double across), the limit, whether the end's previous tile lay across;
    // the anchor after the turn.
    const std::tuple<const char*, AnclaLinea, Entero, bool, AnclaLinea> casos[] = {
        {"izquierda tras doble cruzado", {100, 262, 1, false}, 146, true, {100, 244, 2, false}},
        {"izquierda a menos de 40", {127, 452, 1, false}, 146, false, {87, 492, 2, false}},
        {"izquierda justo a 40", {106, 452, 1, false}, 146, false, {66, 492, 2, false}},
        {"izquierda doble a menos de 40", {127, 452, 1, true}, 146, false, {87, 511, 2, false}},
        {"izquierda a mas de 40", {105, 452, 1, false}, 146, false, {105, 452, 2, false}},
        {"izquierda doble a mas de 40", {105, 452, 1, true}, 146, false, {105, 452, 2, false}},
        {"arriba tras doble cruzado", {87, 100, 2, false}, 146, true, {145, 100, 3, false}},
        {"arriba a mas de 40", {87, 105, 2, false}, 146, false, {126, 105, 3, false}},
        {"arriba doble a mas de 40", {87, 105, 2, true}, 146, false, {126, 105, 3, false}},
        {"arriba justo a 40", {87, 106, 2, false}, 146, false, {86, 66, 3, false}},
        {"arriba doble a menos de 40", {87, 120, 2, true}, 146, false, {67, 80, 3, false}},
        {"derecha tras doble cruzado", {590, 262, 3, false}, 563, true, {551, 320, 4, false}},
        {"derecha a menos de 40", {586, 262, 3, false}, 563, false, {587, 261, 4, false}},
        {"derecha justo a 40", {603, 262, 3, false}, 563, false, {604, 261, 4, false}},
        {"derecha doble a menos de 40", {590, 262, 3, true}, 563, false, {591, 242, 4, false}},
        {"derecha a mas de 40", {604, 262, 3, false}, 563, false, {565, 301, 4, false}},
        {"derecha doble a mas de 40", {604, 262, 3, true}, 563, false, {565, 301, 4, false}},
        {"abajo tras doble cruzado", {587, 450, 4, false}, 425, true, {569, 411, 1, false}},
        {"abajo a mas de 40", {587, 492, 4, false}, 425, false, {587, 452, 1, false}},
        {"abajo justo a 40", {587, 465, 4, false}, 425, false, {627, 466, 1, false}},
        {"abajo doble a menos de 40", {587, 430, 4, true}, 425, false, {646, 431, 1, false}},
    };
    for (const auto& [nombre, ancla, limite, anteriorAtravesada, nueva] : casos)
        EXPECT_EQ(DoblarLinea(ancla, limite, anteriorAtravesada), nueva) << nombre;
}

TEST(GeometriaLinea, cada_ficha_tiene_su_rectangulo_dibujo_mitades_y_nueva_ancla)
{
    // The anchor (direction, x, y, a double across), the side of the end's previous tile; then XFicha,
    // YFicha, width, height, LadoMesa, picture X, half 1, half 2, lie, across, new anchor.
    // clang-format off
    const std::tuple<Entero, Entero, Entero, bool, Entero, FichaLinea> casos[] = {
        // 1-2: the first tiles of a line led from a side seat.
        {3, 355, 262, false, 0, {356, 262, 77, 40, 1, 474, 360, 262, 397, 262, 0, false, 432, 262}},
        {1, 358, 262, false, 0, {281, 262, 77, 40, 2, 395, 318, 262, 281, 262, 0, false, 281, 262}},
        // 3-6: growing left across the centre: shifted 2 px right once, the half decided before the shift.
        {1, 400, 262, false, 1, {325, 262, 77, 40, 2, 395, 362, 262, 325, 262, 0, false, 325, 262}},
        {1, 281, 262, false, 2, {204, 262, 77, 40, 2, 395, 241, 262, 204, 262, 0, false, 204, 262}},
        {1, 432, 262, false, 1, {355, 262, 77, 40, 1, 474, 396, 262, 359, 262, 0, false, 355, 262}},
        {1, 431, 262, false, 1, {356, 262, 77, 40, 2, 395, 393, 262, 356, 262, 0, false, 356, 262}},
        // 7-8: growing right across the centre: shifted 2 px left once.
        {3, 317, 375, false, 2, {318, 375, 77, 40, 2, 395, 318, 375, 355, 375, 0, false, 394, 375}},
        {3, 394, 375, false, 2, {393, 375, 77, 40, 1, 474, 397, 375, 434, 375, 0, false, 469, 375}},
        // 9-10: doubles across a horizontal line.
        {3, 355, 262, true, 0, {356, 244, 40, 77, 1, 352, 360, 244, 360, 281, 1, true, 395, 262}},
        {1, 281, 262, true, 2, {241, 244, 40, 77, 2, 310, 241, 244, 241, 281, 1, true, 241, 262}},
        // 11-13: growing up.
        {2, 87, 492, false, 2, {87, 415, 40, 77, 2, 310, 87, 452, 87, 415, 1, false, 87, 415}},
        {2, 87, 300, true, 2, {69, 260, 77, 40, 2, 395, 106, 260, 69, 260, 0, true, 87, 260}},
        {2, 600, 400, false, 1, {600, 323, 40, 77, 1, 352, 604, 360, 604, 323, 1, false, 600, 323}},
        // 14-16: growing down.
        {4, 587, 261, false, 1, {587, 262, 40, 77, 1, 352, 591, 262, 591, 299, 1, false, 587, 338}},
        {4, 335, 262, false, 0, {335, 263, 40, 77, 2, 310, 335, 263, 335, 300, 1, false, 335, 339}},
        {4, 335, 262, true, 0, {317, 263, 77, 40, 2, 395, 354, 263, 317, 263, 0, true, 335, 302}},
        // 17-18: vertical runs are never shifted.
        {4, 340, 300, false, 1, {340, 301, 40, 77, 2, 310, 340, 301, 340, 338, 1, false, 340, 377}},
        {2, 360, 300, false, 2, {360, 223, 40, 77, 1, 352, 364, 260, 364, 223, 1, false, 360, 223}},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const auto& [direccion, x, y, atravesada, ladoAnterior, esperada] = casos[i];
        EXPECT_EQ(CalcularRectanguloFichaLinea(AnclaLinea{x, y, direccion, atravesada}, ladoAnterior,
                                               kMesa800.CentroX),
                  esperada)
            << "fila " << i + 1;
    }
}

TEST(GeometriaLinea, las_flechas_quedan_donde_ira_la_siguiente_ficha_y_apuntan_al_extremo)
{
    // Anchor and direction of each end; the arrows.
    const std::tuple<const char*, Entero, Entero, Entero, Entero, Entero, Entero, MarcaExtremo, MarcaExtremo>
        casos[] = {{"horizontal tras la primera", 432, 262, 3, 358, 262, 1, {434, 264, 3}, {324, 264, 1}},
                   {"vertical al empezar", 335, 262, 4, 335, 262, 2, {341, 264, 4}, {339, 228, 2}},
                   {"tras las esquinas", 587, 338, 4, 87, 415, 2, {593, 340, 4}, {91, 381, 2}},
                   {"sin linea", 0, 0, 0, 0, 0, 0, {0, 0, 0}, {0, 0, 0}}};
    for (const auto& [nombre, x1, y1, d1, x2, y2, d2, m1, m2] : casos) {
        ExtremosLinea linea;
        linea.XExtremo = {0, x1, x2};
        linea.YExtremo = {0, y1, y2};
        linea.DireccionExtremo = {0, d1, d2};
        const auto marcas = CalcularMarcasExtremos(linea);
        EXPECT_EQ((std::pair{marcas[1], marcas[2]}), (std::pair{m1, m2})) << nombre;
    }
}

TEST(GeometriaLinea, la_ficha_anterior_del_extremo_salta_robos_pases_y_el_otro_extremo)
{
    std::vector<RegistroJugada> jugadas(41);
    const Entero extremos[] = {0, 1, 2, 8, 9, 2, 8};
    for (std::size_t m = 1; m < std::size(extremos); ++m) jugadas[m].Extremo = extremos[m];
    EXPECT_EQ(BuscarJugadaAnteriorExtremo(jugadas, 1, 1), 0); // first move of the hand
    EXPECT_EQ(BuscarJugadaAnteriorExtremo(jugadas, 2, 2), 0); // end 2 has none yet
    EXPECT_EQ(BuscarJugadaAnteriorExtremo(jugadas, 7, 1), 1);
    EXPECT_EQ(BuscarJugadaAnteriorExtremo(jugadas, 7, 2), 5);
    EXPECT_EQ(BuscarJugadaAnteriorExtremo(jugadas, 5, 2), 2); // records from NumeroJugada on do not count
}

} // namespace
} // namespace zp
