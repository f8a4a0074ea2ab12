// Table size, the hands' and the stock's places, with the figures of the 800x600 and 1024x768 layouts.
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

TEST(
    GeometriaMonton,
    las_fichas_se_colocan_par_a_par_empezando_por_el_borde_en_los_lados_tres_y_cuatro_y_sin_monton_no_hay_ninguna)
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
    // Four hands of 7 leave no stock: nothing to draw, nothing to erase (one side zero, none negative).
    for (const Entero lado : {Entero{1}, Entero{2}, Entero{3}, Entero{4}}) {
        const ZonaMonton z = CalcularDisposicionMonton(7, 4, lado, mesa);
        EXPECT_EQ(z.FilasMonton[0] + z.FilasMonton[1], 0) << lado;
        EXPECT_TRUE(z.ZonaAncho >= 0 && z.ZonaAlto >= 0 && z.ZonaAncho * z.ZonaAlto == 0) << lado;
        EXPECT_TRUE(CalcularPlazasMonton(z, lado, 0).empty() && !CalcularFichaRobada(z, lado, 0)) << lado;
    }
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

TEST(DisposicionManos, las_manos_se_centran_en_su_lado_y_se_estrechan_si_no_caben)
{
    using Cuatro = std::array<Entero, 5>;
    // Screen, players, each seat's slots and how its tiles show (1 hidden, 2 face up), the manual deal
    // running; then each hand's spacing, start, length and axis, the hands with room, the list hidden.
    // clang-format off
    const std::tuple<const char*, int, int, Entero, Cuatro, Cuatro, bool, Cuatro, Cuatro, Cuatro, Cuatro, std::array<bool, 5>, bool> casos[] = {
        {"800x600, cuatro de 7, abajo boca arriba", 800, 600, 4, {0, 7, 7, 7, 7}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 44}, {0, 164, 218, 164, 201}, {0, 273, 273, 273, 308}, {0, 41, 41, 668, 523}, {false, true, true, true, true}, false},
        {"800x600, mano lateral oculta de 14", 800, 600, 4, {0, 14, 7, 7, 7}, {0, 1, 1, 1, 2}, false, {0, 32, 39, 39, 44}, {0, 76, 218, 164, 201}, {0, 448, 273, 273, 308}, {0, 41, 41, 668, 523}, {false, false, true, true, true}, false},
        {"800x600, dos de 14, abajo boca arriba", 800, 600, 2, {0, 0, 14, 0, 14}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 44}, {0, 300, 82, 300, 47}, {0, 0, 546, 0, 616}, {0, 41, 41, 668, 558}, {false, true, true, true, false}, true},
        {"800x600, abajo 16 huecos", 800, 600, 2, {0, 0, 14, 0, 16}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 38}, {0, 300, 82, 300, 51}, {0, 0, 546, 0, 608}, {0, 41, 41, 668, 558}, {false, true, true, true, false}, true},
        {"800x600, durante el reparto a mano", 800, 600, 4, {0, 7, 7, 7, 7}, {0, 1, 1, 1, 2}, true, {0, 39, 39, 39, 44}, {0, 164, 218, 164, 201}, {0, 273, 273, 273, 308}, {0, 41, 41, 668, 558}, {false, false, false, false, false}, false},
        {"1024x768, cuatro de 7, abajo boca arriba", 1024, 768, 4, {0, 7, 7, 7, 7}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 44}, {0, 248, 330, 248, 313}, {0, 273, 273, 273, 308}, {0, 41, 41, 892, 691}, {false, true, true, true, true}, false},
        {"1024x768, lateral de 21 boca arriba", 1024, 768, 3, {0, 21, 7, 7, 0}, {0, 2, 1, 1, 2}, false, {0, 29, 39, 39, 44}, {0, 80, 330, 248, 467}, {0, 609, 273, 273, 0}, {0, 41, 41, 892, 726}, {false, false, true, true, false}, false},
    };
    // clang-format on
    for (const auto& [nombre, ancho, alto, jugadores, huecos, fichasJugador, repartoEnCurso, separacion,
                      inicio, longitud, eje, holgada, ocultaLista] : casos) {
        Banco b(1, MedirPantalla(ancho, alto));
        b.a.NumeroJugadores = jugadores;
        b.a.ListaJugadas = VistaLista::SiempreVisible;
        for (std::size_t p = 1; p <= 4; ++p) {
            b.e.HuecosMano[p] = huecos[p];
            b.a.Jugador[p].FichasJugador = static_cast<VistaFichas>(fichasJugador[p]);
        }
        b.e.RepartoEnCurso = repartoEnCurso;
        CalcularDisposicionManos(b.c);
        const DisposicionManos& d = b.e.Disposicion;
        SCOPED_TRACE(nombre);
        EXPECT_EQ(d.SeparacionFichas, separacion);
        EXPECT_EQ(d.InicioMano, inicio);
        EXPECT_EQ(d.LongitudMano, longitud);
        EXPECT_EQ(d.EjeMano, eje);
        EXPECT_EQ(b.e.ManoHolgada, holgada);
        for (std::size_t p = 1; p <= 4; ++p) EXPECT_EQ(d.FinMano[p], d.InicioMano[p] + d.LongitudMano[p] - 1);
        EXPECT_EQ(b.mesa.Hubo("OcultarListaJugadas"), ocultaLista);
        // The list gives way to the hand, and from then on shows only with the recorder.
        EXPECT_EQ(ListaJugadasVisible(b.e, b.a), !ocultaLista);
        EXPECT_EQ(b.a.ListaJugadas,
                  ocultaLista ? VistaLista::AlConectarGrabadora : VistaLista::SiempreVisible);
    }
}

TEST(DisposicionManos, cada_hueco_tiene_su_sitio_en_la_mesa)
{
    Banco b;
    for (std::size_t p = 1; p <= 4; ++p) b.e.HuecosMano[p] = 7;
    b.a.Jugador[4].FichasJugador = VistaFichas::Visibles;
    CalcularDisposicionManos(b.c);
    // Seat, slot, how the seat's tiles are shown; where the slot lies.
    const std::tuple<Entero, Entero, Entero, std::optional<PuntoMesa>> casos[] = {
        {1, 1, 1, PuntoMesa{23, 164}},  {1, 3, 2, PuntoMesa{0, 242}},   {2, 2, 1, PuntoMesa{257, 23}},
        {2, 1, 2, PuntoMesa{218, 0}},   {3, 7, 1, PuntoMesa{671, 398}}, {3, 1, 2, PuntoMesa{671, 164}},
        {4, 2, 2, PuntoMesa{245, 523}}, {5, 1, 1, std::nullopt},        {0, 1, 1, std::nullopt}};
    for (const auto& [asiento, hueco, fichasJugador, sitio] : casos) {
        if (asiento >= 1 && asiento <= 3)
            b.a.Jugador[static_cast<std::size_t>(asiento)].FichasJugador =
                static_cast<VistaFichas>(fichasJugador);
        EXPECT_EQ(CalcularPosicionFichaMano(b.e, b.a, b.pantalla, asiento, hueco), sitio)
            << "asiento " << asiento << ", hueco " << hueco;
    }
}

} // namespace
} // namespace zp
