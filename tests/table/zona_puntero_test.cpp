// Qué hay bajo el puntero: la mano y el hueco (en cualquier punto de la tira o solo sobre la cara de una
// ficha) y la casilla de la rejilla del reparto a mano.
#include "table/zona_puntero.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

using namespace zp;

// Una mano de 7 huecos a paso 39 en la tira izquierda (longitud 273, de y 164 a 436) y la de abajo a paso
// holgado de 44 con sus fichas grandes, de x 201 a 508, desde y 523.
struct Tiras
{
    Tiras()
    {
        DisposicionManos& d = e.Disposicion;
        d.SeparacionFichas = {0, 39, 39, 39, 44};
        d.LongitudMano = {0, 273, 273, 273, 308};
        d.InicioMano = {0, 164, 218, 164, 201};
        d.FinMano = {0, 436, 490, 436, 508};
        d.EjeMano = {0, 41, 41, 668, 523};
        e.ManoHolgada = {false, false, false, false, true};
        for (int p = 1; p <= 4; ++p) e.HuecosMano[std::size_t(p)] = 7;
        a.Jugador[4].FichasJugador = VistaFichas::Visibles;
    }
    EstadoJuego e;
    Ajustes a;
    EntradaMesa en;
};

TEST(ZonaPuntero, el_hueco_bajo_el_puntero_en_la_tira_de_paso_39)
{
    // Down the strip; the slot over a tile's face only and anywhere; past the last tile.
    const std::tuple<int, Entero, Entero, bool> casos[] = {
        {0, 1, 1, false},  {20, 1, 1, false},  {21, 0, 1, false}, {38, 0, 1, false},
        {39, 2, 2, false}, {253, 7, 7, false}, {254, 7, 7, true}, {272, 0, 7, true},
    };
    for (const auto& [desplazamiento, exacto, holgado, tras] : casos) {
        SCOPED_TRACE(desplazamiento);
        Tiras t;
        HallaManoYFicha(t.e, t.a, t.en, 20, Entero(164 + desplazamiento), true);
        EXPECT_EQ(t.en.ManoApuntada, 1);
        EXPECT_EQ(t.en.HuecoApuntado, exacto);
        EXPECT_EQ(t.en.TrasUltimaFicha, tras);
        HallaManoYFicha(t.e, t.a, t.en, 20, Entero(164 + desplazamiento), false);
        EXPECT_EQ(t.en.HuecoApuntado, holgado);
    }
}

TEST(ZonaPuntero, la_mano_de_abajo_holgada_tiene_sus_fichas_a_4_px_de_cada_paso)
{
    const std::tuple<int, Entero, Entero> casos[] = {{0, 0, 0},  {3, 0, 0},  {4, 1, 1}, {40, 1, 1},
                                                     {41, 0, 1}, {47, 0, 1}, {48, 2, 2}};
    for (const auto& [desplazamiento, exacto, holgado] : casos) {
        SCOPED_TRACE(desplazamiento);
        Tiras t;
        HallaManoYFicha(t.e, t.a, t.en, Entero(201 + desplazamiento), 560, true);
        EXPECT_EQ(t.en.ManoApuntada, 4);
        EXPECT_EQ(t.en.HuecoApuntado, exacto);
        HallaManoYFicha(t.e, t.a, t.en, Entero(201 + desplazamiento), 560, false);
        EXPECT_EQ(t.en.HuecoApuntado, holgado);
    }
}

TEST(ZonaPuntero, fuera_de_las_tiras_el_hueco_queda_y_un_asiento_fuera_de_juego_no_cuenta)
{
    Tiras t;
    HallaManoYFicha(t.e, t.a, t.en, 20, 170, true);
    ASSERT_EQ(t.en.HuecoApuntado, 1);
    HallaManoYFicha(t.e, t.a, t.en, 300, 300, true);
    EXPECT_EQ(t.en.ManoApuntada, 0);
    EXPECT_EQ(t.en.HuecoApuntado, 1);
    EXPECT_FALSE(t.en.TrasUltimaFicha);

    t.a.Jugador[2].EstadoJugador = EstadoAsiento::Desactivado;
    HallaManoYFicha(t.e, t.a, t.en, 300, 20, false);
    EXPECT_EQ(t.en.ManoApuntada, 0);
    EXPECT_EQ(t.en.HuecoApuntado, 3) << "the slot is still worked out";
}

TEST(ZonaPuntero, la_casilla_de_la_rejilla_y_sus_huecos)
{
    // From the grid's corner, and the row and column found there.
    const std::array<int, 4> casos[] = {
        {0, 0, 0, 0},   {19, 41, 0, 0}, {20, 0, 0, 9},      {0, 42, 9, 0},
        {39, 50, 1, 1}, {58, 91, 1, 1}, {-60, -60, -2, -2}, {273, 350, 7, 7},
    };
    for (const auto& [dx, dy, fila, columna] : casos) {
        SCOPED_TRACE(std::to_string(dx) + "," + std::to_string(dy));
        EstadoJuego e;
        e.OrigenRejillaX = 272;
        e.OrigenRejillaY = 108;
        EntradaMesa en;
        HallaFilyCol(e, en, Entero(272 + dx), Entero(108 + dy));
        EXPECT_EQ(en.FilaRejilla, fila);
        EXPECT_EQ(en.ColumnaRejilla, columna);
    }
}

} // namespace
