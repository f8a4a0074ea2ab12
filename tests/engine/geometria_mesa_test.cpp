// Table size and the stock's places, with the figures of the 800x600 and 1024x768 layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/disposicion_manos.h"
#include "engine/geometria_monton.h"
#include "engine/pantalla.h"
#include "engine/reglas.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

TEST(GeometriaMesa, las_pantallas_pequenas_se_disponen_como_800x600_y_los_centros_redondean_a_par)
{
    // Screen; then screen, table width and centre as laid out. 801x601: 355.5 -> 356, 300.5 -> 300;
    // 803x603: 356.5 -> 356, 301.5 -> 302.
    const std::pair<std::array<int, 2>, std::array<Entero, 5>> casos[] = {
        {{800, 600}, {800, 600, 710, 355, 300}}, {{640, 480}, {800, 600, 710, 355, 300}},
        {{800, 550}, {800, 600, 710, 355, 300}}, {{1024, 768}, {1024, 768, 934, 467, 384}},
        {{801, 601}, {801, 601, 711, 356, 300}}, {{803, 603}, {803, 603, 713, 356, 302}}};
    for (const auto& [pantalla, esperada] : casos) {
        const Pantalla d = MedirPantalla(pantalla[0], pantalla[1]);
        EXPECT_EQ((std::array<Entero, 5>{d.AnchoPantalla, d.AltoPantalla, d.AnchoMesa, d.CentroX, d.CentroY}),
                  esperada)
            << pantalla[0] << "x" << pantalla[1];
    }
}

TEST(GeometriaMonton, el_monton_ocupa_el_lado_del_primer_asiento_sin_jugador_en_orden_tres_uno_dos)
{
    // Seat 3 off wins even with 1 and 2 off.
    const std::pair<const char*, Entero> casos[] = {{"1234", 4}, {"124", 3}, {"4", 3},
                                                    {"234", 1},  {"34", 1},  {"134", 2}};
    for (const auto& [asientos, lado] : casos)
        EXPECT_EQ(ElegirLadoMonton(ConAsientos(asientos)), lado) << asientos;
}

TEST(GeometriaMonton, el_rectangulo_sigue_a_las_fichas_que_deja_el_reparto_y_se_centra_en_su_lado)
{
    const Pantalla m800 = MedirPantalla(800, 600);
    const Pantalla m1024 = MedirPantalla(1024, 768);
    const Pantalla m801 = MedirPantalla(801, 601);
    const Pantalla m803 = MedirPantalla(803, 603);
    const std::tuple<const char*, Entero, Entero, Entero, const Pantalla*, ZonaMonton> casos[] = {
        {"3x7 derecha", 7, 3, 3, &m800, {657, 201, 51, 199, {4, 3, 0}}},
        {"3x7 izquierda", 7, 3, 1, &m800, {1, 201, 51, 199, {4, 3, 0}}},
        {"3x7 arriba", 7, 3, 2, &m800, {256, 1, 199, 51, {4, 3, 0}}},
        {"3x7 abajo", 7, 3, 4, &m800, {256, 548, 199, 51, {4, 3, 0}}},
        {"2x7 derecha", 7, 2, 3, &m800, {657, 123, 51, 355, {7, 7, 0}}},
        {"3x9 una sola ficha", 9, 3, 3, &m800, {657, 279, 51, 43, {1, 0, 0}}},
        {"3x7 a 1024x768", 7, 3, 3, &m1024, {881, 285, 51, 199, {4, 3, 0}}},
        {"mesa 711: 256.5 -> 256", 7, 3, 2, &m801, {256, 1, 199, 51, {4, 3, 0}}},
        {"alto 601: 201.5 -> 202", 7, 3, 3, &m801, {658, 202, 51, 199, {4, 3, 0}}},
        {"mesa 713: 257.5 -> 258", 7, 3, 2, &m803, {258, 1, 199, 51, {4, 3, 0}}},
        {"alto 603: 202.5 -> 202", 7, 3, 1, &m803, {1, 202, 51, 199, {4, 3, 0}}},
    };
    for (const auto& [nombre, fichas, jugadores, lado, mesa, esperada] : casos)
        EXPECT_EQ(CalcularDisposicionMonton(fichas, jugadores, lado, *mesa), esperada) << nombre;
}

TEST(GeometriaMonton, sin_fichas_en_el_monton_el_rectangulo_queda_vacio_y_no_hay_ficha_que_robar)
{
    const Pantalla mesa = MedirPantalla(800, 600);
    for (const Entero lado : {Entero{1}, Entero{2}, Entero{3}, Entero{4}}) {
        SCOPED_TRACE(lado);
        const ZonaMonton z = CalcularDisposicionMonton(7, 4, lado, mesa);
        EXPECT_EQ(z.FilasMonton[0] + z.FilasMonton[1], 0);
        // Nothing may be erased: one of the sides is zero, none negative.
        EXPECT_TRUE(z.ZonaAncho >= 0 && z.ZonaAlto >= 0 && z.ZonaAncho * z.ZonaAlto == 0);
        EXPECT_TRUE(CalcularPlazasMonton(z, lado, 0).empty());
        EXPECT_FALSE(CalcularFichaRobada(z, lado, 0).has_value());
    }
}

TEST(GeometriaMonton, las_fichas_se_colocan_par_a_par_y_en_los_lados_tres_y_cuatro_empieza_la_del_borde)
{
    const Pantalla mesa = MedirPantalla(800, 600);
    using P = PlazaFichaMonton;
    // clang-format off
    const std::pair<Entero, std::vector<P>> casos[] = {
        {3, {{687, 201, 2}, {657, 201, 2}, {687, 253, 2}, {657, 253, 2}, {687, 305, 2}, {657, 305, 2},
             {687, 357, 2}}},
        {1, {{1, 201, 2}, {31, 201, 2}, {1, 253, 2}, {31, 253, 2}, {1, 305, 2}, {31, 305, 2}, {1, 357, 2}}},
        {2, {{256, 1, 1}, {256, 31, 1}, {308, 1, 1}, {308, 31, 1}, {360, 1, 1}, {360, 31, 1}, {412, 1, 1}}},
        {4, {{256, 578, 1}, {256, 548, 1}, {308, 578, 1}, {308, 548, 1}, {360, 578, 1}, {360, 548, 1},
             {412, 578, 1}}},
    };
    // clang-format on
    for (const auto& [lado, plazas] : casos)
        EXPECT_EQ(CalcularPlazasMonton(CalcularDisposicionMonton(7, 3, lado, mesa), lado, 7), plazas) << lado;
}

TEST(GeometriaMonton, la_ficha_que_se_roba_es_la_ultima_dibujada_y_su_sitio_sigue_al_monton_que_queda)
{
    const Pantalla m800 = MedirPantalla(800, 600);
    const Pantalla m1024 = MedirPantalla(1024, 768);
    // Tiles each, players, side, table, tiles left; where the drawn one lies.
    const std::tuple<const char*, Entero, Entero, Entero, const Pantalla*, Entero, PuntoMesa> casos[] = {
        {"3x7 lleno", 7, 3, 3, &m800, 7, {687, 357}},
        {"3x7 tras una robada", 7, 3, 3, &m800, 6, {657, 305}},
        {"3x7 queda una", 7, 3, 3, &m800, 1, {687, 201}},
        {"2x7 lleno", 7, 2, 3, &m800, 14, {657, 435}},
        {"3x7 izquierda", 7, 3, 1, &m800, 7, {1, 357}},
        {"3x9 una sola ficha", 9, 3, 3, &m800, 1, {687, 279}},
        {"3x7 a 1024x768", 7, 3, 3, &m1024, 7, {911, 441}},
    };
    for (const auto& [nombre, fichas, jugadores, lado, mesa, enMonton, sitio] : casos) {
        const auto robada =
            CalcularFichaRobada(CalcularDisposicionMonton(fichas, jugadores, lado, *mesa), lado, enMonton);
        ASSERT_TRUE(robada.has_value()) << nombre;
        EXPECT_EQ((PuntoMesa{robada->PosX, robada->PosY}), sitio) << nombre;
    }
}

TEST(GeometriaMonton, situar_ficha_robada_deja_el_sitio_para_el_registro_y_no_lo_toca_con_el_monton_vacio)
{
    const Pantalla mesa = MedirPantalla(800, 600);
    const Ajustes ajustes = ConAsientos("124");
    EstadoJuego estado;
    estado.FichasMonton = 5;
    SituarFichaRobada(estado, ajustes, ElegirLadoMonton(ajustes), mesa);
    estado.FichasMonton = 0;
    SituarFichaRobada(estado, ajustes, ElegirLadoMonton(ajustes), mesa);
    EXPECT_EQ((std::pair<int, int>(estado.Colocacion.XFichaRobada, estado.Colocacion.YFichaRobada)),
              (std::pair{687, 305}));
}

} // namespace
} // namespace zp
