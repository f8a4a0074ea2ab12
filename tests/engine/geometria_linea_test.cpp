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

ExtremosLinea LineaPreparada(Entero salida, const Pantalla& mesa)
{
    ExtremosLinea linea;
    PrepararInicioLinea(linea, salida, mesa);
    return linea;
}

TEST(GeometriaLinea, el_inicio_de_la_linea_depende_de_donde_se_sienta_quien_sale)
{
    struct Caso
    {
        const char* nombre;
        Entero salida;
        const Pantalla* mesa;
        Entero dir1, dir2, x1, x2, y;
        std::array<Entero, 5> limite1, limite2; // directions 1..4
    };
    // clang-format off
    const Caso casos[] = {
        {"asiento 1 a 800", 1, &kMesa800, 3, 1, 355, 358, 262, {0, 146, 419, 563, 425}, {0, 146, 146, 563, 145}},
        {"asiento 3 a 800", 3, &kMesa800, 3, 1, 355, 358, 262, {0, 146, 419, 563, 425}, {0, 146, 146, 563, 145}},
        {"asiento 2 a 800", 2, &kMesa800, 4, 2, 335, 335, 262, {0, 146, 146, 218, 425}, {0, 492, 146, 563, 425}},
        {"asiento 4 a 800", 4, &kMesa800, 4, 2, 335, 335, 262, {0, 146, 146, 218, 425}, {0, 492, 146, 563, 425}},
        {"asiento 1 a 1024", 1, &kMesa1024, 3, 1, 467, 470, 346, {0, 146, 503, 787, 593}, {0, 146, 146, 787, 229}},
        {"asiento 2 a 1024", 2, &kMesa1024, 4, 2, 447, 447, 346, {0, 146, 146, 330, 593}, {0, 604, 146, 787, 593}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        ExtremosLinea linea;
        linea.Extremos = {0, 9, 9};
        PrepararInicioLinea(linea, c.salida, *c.mesa);
        EXPECT_EQ(linea.DireccionExtremo, (std::array<Entero, 3>{0, c.dir1, c.dir2}));
        EXPECT_EQ(linea.XExtremo, (std::array<Entero, 3>{0, c.x1, c.x2}));
        EXPECT_EQ(linea.YExtremo, (std::array<Entero, 3>{0, c.y, c.y}));
        EXPECT_EQ(linea.LimiteGiro[1], c.limite1);
        EXPECT_EQ(linea.LimiteGiro[2], c.limite2);
        EXPECT_EQ(linea.Extremos[1] + linea.FichasEnExtremo[1], 9);
    }
}

TEST(GeometriaLinea, la_altura_de_salida_redondea_la_expresion_entera_a_par)
{
    struct Caso
    {
        Entero alto, y;
    };
    // (alto - 42 - 77) / 2 + 21
    const Caso casos[] = {{600, 262}, {601, 262}, {602, 262}, {604, 264}, {768, 346}};
    for (const Caso& c : casos)
        EXPECT_EQ(LineaPreparada(1, MedirPantalla(800, c.alto)).YExtremo[1], c.y) << c.alto;
}

TEST(GeometriaLinea, el_extremo_solo_gira_cuando_su_ancla_rebasa_el_limite_de_su_direccion)
{
    struct Caso
    {
        Entero direccion, limite, x, y;
        bool gira;
    };
    const Caso casos[] = {{3, 563, 563, 900, false}, {3, 563, 564, 0, true},  {1, 146, 146, 0, false},
                          {1, 146, 145, 900, true},  {2, 146, 0, 146, false}, {2, 146, 900, 145, true},
                          {4, 425, 900, 425, false}, {4, 425, 0, 426, true},  {0, 0, 900, 900, false}};
    for (const Caso& c : casos)
        EXPECT_EQ(PasaLimiteGiro(c.direccion, c.limite, c.x, c.y), c.gira)
            << c.direccion << " " << c.x << "," << c.y;
}

TEST(GeometriaLinea, al_doblar_el_ancla_rodea_la_esquina_segun_cuanto_ha_rebasado_el_limite)
{
    struct Caso
    {
        const char* nombre;
        Entero direccion, limite, x, y;
        bool doble, anteriorAtravesada;
        Entero xNueva, yNueva;
        bool dobleNuevo;
        Entero direccionNueva;
    };
    const Caso casos[] = {
        {"izquierda tras doble cruzado", 1, 146, 100, 262, false, true, 100, 244, false, 2},
        {"izquierda a menos de 40", 1, 146, 127, 452, false, false, 87, 492, false, 2},
        {"izquierda justo a 40", 1, 146, 106, 452, false, false, 66, 492, false, 2},
        {"izquierda doble a menos de 40", 1, 146, 127, 452, true, false, 87, 511, false, 2},
        {"izquierda a mas de 40", 1, 146, 105, 452, false, false, 105, 452, false, 2},
        {"izquierda doble a mas de 40", 1, 146, 105, 452, true, false, 105, 452, false, 2},
        {"arriba tras doble cruzado", 2, 146, 87, 100, false, true, 145, 100, false, 3},
        {"arriba a mas de 40", 2, 146, 87, 105, false, false, 126, 105, false, 3},
        {"arriba doble a mas de 40", 2, 146, 87, 105, true, false, 126, 105, false, 3},
        {"arriba justo a 40", 2, 146, 87, 106, false, false, 86, 66, false, 3},
        {"arriba doble a menos de 40", 2, 146, 87, 120, true, false, 67, 80, false, 3},
        {"derecha tras doble cruzado", 3, 563, 590, 262, false, true, 551, 320, false, 4},
        {"derecha a menos de 40", 3, 563, 586, 262, false, false, 587, 261, false, 4},
        {"derecha justo a 40", 3, 563, 603, 262, false, false, 604, 261, false, 4},
        {"derecha doble a menos de 40", 3, 563, 590, 262, true, false, 591, 242, false, 4},
        {"derecha a mas de 40", 3, 563, 604, 262, false, false, 565, 301, false, 4},
        {"abajo tras doble cruzado", 4, 425, 587, 450, false, true, 569, 411, false, 1},
        {"abajo a mas de 40", 4, 425, 587, 492, false, false, 587, 452, false, 1},
        {"abajo justo a 40", 4, 425, 587, 465, false, false, 627, 466, false, 1},
        {"abajo doble a menos de 40", 4, 425, 587, 430, true, false, 646, 431, false, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const AnclaLinea r =
            DoblarLinea(AnclaLinea{c.x, c.y, c.direccion, c.doble}, c.limite, c.anteriorAtravesada);
        EXPECT_EQ(r, (AnclaLinea{c.xNueva, c.yNueva, c.direccionNueva, c.dobleNuevo}));
    }
}

struct CasoFicha
{
    Entero direccion, x, y;
    bool atravesada;
    Entero ladoAnterior;
    FichaLinea esperada;
};

void ComprobarFichas(const std::vector<CasoFicha>& casos, Entero centroX)
{
    for (std::size_t i = 0; i < casos.size(); ++i) {
        SCOPED_TRACE("fila " + std::to_string(i + 1));
        const CasoFicha& c = casos[i];
        const AnclaLinea ancla{c.x, c.y, c.direccion, c.atravesada};
        EXPECT_EQ(CalcularRectanguloFichaLinea(ancla, c.ladoAnterior, centroX), c.esperada);
    }
}

TEST(GeometriaLinea, cada_ficha_tiene_su_rectangulo_dibujo_mitades_y_nueva_ancla)
{
    // Expected: XFicha, YFicha, width, height, LadoMesa, picture X, half 1, half 2, lie, across, new anchor.
    // clang-format off
    ComprobarFichas({
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
    }, kMesa800.CentroX);
    // clang-format on
}

// A tile placed at `extremo` as a move places it, through the procedures on the shared state: the end's
// anchor, the turn test, the turn and the rectangle. `anterior` is the end's latest earlier record, 0 none.
struct Colocada
{
    FichaLinea Ficha;
    bool Doblada = false;
    Entero DireccionDespues = 0;
};

Colocada Colocar(EstadoJuego& s, Entero extremo, bool doble, Entero anterior)
{
    const auto e = static_cast<std::size_t>(extremo);
    ColocacionFicha& c = s.Colocacion;
    s.ExtremoElegido = extremo;
    c.PosX = s.Linea.XExtremo[e];
    c.PosY = s.Linea.YExtremo[e];
    c.DobleAtravesado = doble;
    const Entero d = s.Linea.DireccionExtremo[e];
    const bool doblada =
        PasaLimiteGiro(d, s.Linea.LimiteGiro[e][static_cast<std::size_t>(d)], c.PosX, c.PosY);
    if (doblada) DoblarLinea(s, anterior);
    CalcularRectanguloFichaLinea(s, anterior, kMesa800.CentroX);
    return {FichaLinea{c.XFicha, c.YFicha, c.AnchoFicha, c.AltoFicha, c.LadoMesa, c.XSpriteFicha, c.XMitad1,
                       c.YMitad1, c.XMitad2, c.YMitad2, c.GiroFicha, c.DobleAtravesado, c.PosX, c.PosY},
            doblada, s.Linea.DireccionExtremo[e]};
}

TEST(GeometriaLinea, un_doble_en_la_esquina_se_centra_en_la_linea_vieja_y_no_cuenta_como_cruzado)
{
    EstadoJuego s;
    PrepararInicioLinea(s.Linea, 1, kMesa800);
    s.Linea.XExtremo[1] = 590;
    s.Jugadas[1].LadoMesa = 1;
    const Colocada d = Colocar(s, 1, true, 1);
    EXPECT_TRUE(d.Doblada);
    EXPECT_EQ(d.Ficha, (FichaLinea{591, 243, 40, 77, 1, 352, 595, 243, 595, 280, 1, false, 591, 319}));
    EXPECT_EQ(d.DireccionDespues, 4);

    // The next tile simply continues downwards.
    s.Jugadas[2].LadoMesa = d.Ficha.LadoMesa;
    s.Linea.XExtremo[1] = d.Ficha.PosX;
    s.Linea.YExtremo[1] = d.Ficha.PosY;
    const Colocada n = Colocar(s, 1, false, 2);
    EXPECT_FALSE(n.Doblada);
    EXPECT_EQ(n.Ficha, (FichaLinea{591, 320, 40, 77, 1, 352, 595, 320, 595, 357, 1, false, 591, 396}));
}

TEST(GeometriaLinea, las_flechas_quedan_donde_ira_la_siguiente_ficha_y_apuntan_al_extremo)
{
    struct Caso
    {
        const char* nombre;
        Entero x1, y1, d1, x2, y2, d2;
        MarcaExtremo m1, m2;
    };
    const Caso casos[] = {
        {"horizontal tras la primera", 432, 262, 3, 358, 262, 1, {434, 264, 3}, {324, 264, 1}},
        {"vertical al empezar", 335, 262, 4, 335, 262, 2, {341, 264, 4}, {339, 228, 2}},
        {"tras las esquinas", 587, 338, 4, 87, 415, 2, {593, 340, 4}, {91, 381, 2}},
        {"sin linea", 0, 0, 0, 0, 0, 0, {0, 0, 0}, {0, 0, 0}}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        ExtremosLinea linea;
        linea.XExtremo = {0, c.x1, c.x2};
        linea.YExtremo = {0, c.y1, c.y2};
        linea.DireccionExtremo = {0, c.d1, c.d2};
        const auto marcas = CalcularMarcasExtremos(linea);
        EXPECT_EQ(marcas[1], c.m1);
        EXPECT_EQ(marcas[2], c.m2);
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
