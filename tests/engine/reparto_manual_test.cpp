#include <gtest/gtest.h>

#include <set>

#include "engine/reparto.h"
#include "engine/reparto_manual.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

void LlenarEnOrden(EstadoJuego& e)
{
    for (Entero a = 0; a <= 6; ++a)
        for (Entero b = 0; b <= a; ++b)
            for (Entero p = 1; p <= 4; ++p)
                if (ColocarFichaReparto(e, p, a, b)) break;
}

std::vector<int> Monton(const EstadoJuego& e)
{
    std::vector<int> v;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(e.FichasMonton); ++i)
        v.push_back(e.Monton[i].PuntoA * 10 + e.Monton[i].PuntoB);
    return v;
}

TEST(RepartoManual, la_rejilla_se_centra_en_la_pantalla_y_sube_20)
{
    for (const auto& [ancho, alto, x, y] :
         {std::array{800, 600, 273, 109}, {1024, 768, 385, 193}, {1000, 1000, 373, 309}}) {
        EstadoJuego e;
        CalcularOrigenRejilla(e, MedirPantalla(ancho, alto));
        EXPECT_EQ((std::pair<int, int>(e.OrigenRejillaX, e.OrigenRejillaY)), (std::pair<int, int>(x, y)));
    }
}

TEST(RepartoManual, las_fichas_que_quedan_en_la_rejilla_van_al_monton_en_huecos_al_azar)
{
    std::vector<std::vector<int>> montones;
    for (std::uint32_t semilla : {1u, 2u}) {
        Banco b(semilla);
        b.Asientos("24");
        b.a.SistemaReparto = FormaReparto::Manual;
        ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
        EXPECT_FALSE(b.e.RepartoEnCurso);
        EXPECT_TRUE(b.mesa.Hubo("DibujarFichaDescubierta 00") && b.mesa.Hubo("DibujarFichaDescubierta 66"));
        // The grid stands centred on the screen; the arrow while the person deals, once dealt the pointer
        // shows the computer at work.
        EXPECT_EQ((std::pair<int, int>(b.e.OrigenRejillaX, b.e.OrigenRejillaY)), (std::pair{273, 109}));
        std::vector<std::string> punteros;
        std::copy_if(b.mesa.Llamadas.begin(), b.mesa.Llamadas.end(), std::back_inserter(punteros),
                     [](const std::string& l) { return l.rfind("Puntero", 0) == 0; });
        EXPECT_EQ(punteros, (std::vector<std::string>{"PunteroMesa 0", "PunteroMesa 11"}));
        // The default person deals the grid in order, one tile to each seat in turn: 0-0, 1-1, ... to seat 2.
        EXPECT_EQ(b.e.Manos[2][2], (HuecoMano{1, 1, kEnMano}));
        EXPECT_EQ(b.e.FichasMonton, 14);
        const std::string tras[] = {"DibujarMano 4", "DibujarNombres", "Refrescar"};
        EXPECT_NE(
            std::search(b.mesa.Llamadas.begin(), b.mesa.Llamadas.end(), std::begin(tras), std::end(tras)),
            b.mesa.Llamadas.end());
        montones.push_back(Monton(b.e));
        std::set<int> enMonton(montones.back().begin(), montones.back().end());
        EXPECT_EQ(enMonton.size(), 14u);
        EXPECT_EQ(*enMonton.begin(), 44); // the first 14 tiles of the grid went to the hands
        // The next hand's stock starts empty again: the same 14 tiles fill it.
        ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
        const std::vector<int> otro = Monton(b.e);
        EXPECT_EQ(std::set<int>(otro.begin(), otro.end()), enMonton);
    }
    EXPECT_NE(montones[0], montones[1]);
}

TEST(RepartoManual, solo_se_coloca_una_ficha_de_la_rejilla_en_una_mano_del_reparto_con_sitio)
{
    Banco b;
    b.Asientos("134");
    b.a.FichasPorJugador = 7;
    EstadoJuego& e = b.e;
    EXPECT_FALSE(ColocarFichaReparto(e, 1, 3, 2)); // no manual deal running
    e.RepartoEnCurso = true;
    e.FichasReparto = 2;
    e.AsientoReparto = {false, true, false, true, true};
    for (auto& fila : e.RejillaReparto) fila.fill(true);
    // Seat, tile, whether it is placed. Seat 2 is not in the deal; 2-3 is no cell (the higher pip is the
    // row); 3-2 is taken the second time; seat 1's hand is full after two.
    const std::tuple<Entero, Entero, Entero, bool> casos[] = {
        {2, 3, 2, false}, {1, 2, 3, false}, {1, 7, 0, false}, {1, 3, -1, false},
        {0, 3, 2, false}, {5, 3, 2, false}, {1, 3, 2, true},  {3, 3, 2, false},
        {1, 6, 6, true},  {1, 5, 5, false}, {3, 5, 5, true}};
    for (const auto& [asiento, a, b_, colocada] : casos)
        EXPECT_EQ(ColocarFichaReparto(e, asiento, a, b_), colocada) << asiento << ": " << a << "-" << b_;
    EXPECT_EQ(e.FichasEnMano[1], 2);
    EXPECT_EQ(e.Manos[1][2].PuntoA, 6);
    EXPECT_FALSE(e.RejillaReparto[3][2]);

    // Taken back to the grid: 3-2, then 6-6; an empty slot or one past the deal gives nothing.
    EXPECT_EQ(DevolverFichaReparto(e, 1, 1), (HuecoMano{3, 2, kVacio}));
    EXPECT_EQ(DevolverFichaReparto(e, 1, 2), (HuecoMano{6, 6, kVacio}));
    EXPECT_TRUE(e.RejillaReparto[3][2] && e.RejillaReparto[6][6]);
    EXPECT_EQ(e.FichasEnMano[1], 0);
    for (const Entero hueco : {Entero{0}, Entero{1}, Entero{3}, Entero{9}})
        EXPECT_FALSE(DevolverFichaReparto(e, 1, hueco).has_value()) << hueco;
    EXPECT_FALSE(DevolverFichaReparto(e, 5, 1).has_value());
    EXPECT_TRUE(ColocarFichaReparto(e, 1, 4, 0)); // into the first empty slot
    EXPECT_EQ(e.Manos[1][1].PuntoA, 4);
}

TEST(RepartoManual, cambiar_al_reparto_aleatorio_a_mitad_repite_la_mano_con_el_mismo_numero)
{
    Banco b(5);
    b.a.SistemaReparto = FormaReparto::Manual;
    b.usuario.RepartoManual = [&](EstadoJuego& e) {
        ColocarFichaReparto(e, 1, 6, 6);
        ColocarFichaReparto(e, 2, 5, 5);
        b.a.SistemaReparto = FormaReparto::Aleatorio; // the rules window, during the deal
    };
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    EXPECT_EQ(b.e.NumeroMano, 1);
    EXPECT_FALSE(b.e.RepartoEnCurso);
    for (std::size_t p = 1; p <= 4; ++p) EXPECT_EQ(b.e.FichasEnMano[p], 7);
}

TEST(RepartoManual, otros_cambios_de_reglas_a_mitad_no_rompen_el_reparto)
{
    Banco b(5);
    b.Asientos("24");
    b.a.SistemaReparto = FormaReparto::Manual;
    b.usuario.RepartoManual = [&](EstadoJuego& e) {
        ColocarFichaReparto(e, 2, 6, 6);
        b.a.FichasPorJugador = 9;                               // more tiles each,
        b.a.Jugador[1].EstadoJugador = EstadoAsiento::Activado; // a third seat,
        b.a.NumeroJugadores = 3;
        LlenarEnOrden(e); // yet the deal goes on as it began
    };
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    EXPECT_EQ(b.e.FichasEnMano, (std::array<Entero, 5>{0, 0, 7, 0, 7}));
    EXPECT_EQ(b.e.HuecosMano[1], 0);
    EXPECT_EQ(b.e.FichasMonton, 14);
    EXPECT_EQ(Monton(b.e).size(), 14u);
    EXPECT_TRUE(b.e.JugadorSalida == 2 || b.e.JugadorSalida == 4);
}

TEST(RepartoManual, abandonar_la_partida_durante_el_reparto_lo_termina)
{
    Banco b;
    b.a.SistemaReparto = FormaReparto::Manual;
    b.usuario.Abandonar = true;
    EXPECT_EQ(IniciarMano(b.c), ResultadoReparto::Abandonado);
    EXPECT_FALSE(b.e.RepartoEnCurso);
    EXPECT_FALSE(b.e.ManoEnCurso);
    // Nothing of the hand goes on: no leader is announced for a deal that never ended.
    EXPECT_TRUE(b.usuario.Mensajes.empty());
}

} // namespace
} // namespace zp
