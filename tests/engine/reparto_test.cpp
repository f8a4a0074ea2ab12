// The deal: the seeded hands, every tile dealt once for every choice of seats, the numbers counted and
// ordered, and the hand left ready for its leader.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/reparto.h"
#include "engine/sonidos.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

std::string Fichas(const auto& fichas, int n)
{
    std::string s;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
        s += (s.empty() ? "" : " ") + std::to_string(fichas[i].PuntoA) + "-" +
             std::to_string(fichas[i].PuntoB);
    return s;
}

TEST(Reparto, una_semilla_reparte_siempre_las_mismas_manos_y_el_mismo_monton)
{
    // Seed, seats; the hands, the stock and the leader (who holds the double six).
    // clang-format off
    const std::tuple<std::uint32_t, const char*, std::array<const char*, 5>, std::string, Entero> casos[] = {
        {7, "1234", {"", "5-0 5-3 2-2 6-4 1-1 4-4 6-2", "4-2 6-1 6-5 0-0 3-1 5-5 3-0", "6-0 2-0 5-1 3-3 6-6 4-1 5-4", "5-2 3-2 2-1 4-0 4-3 1-0 6-3"}, "", 3},
        {11, "24", {"", "", "1-1 5-1 6-5 5-5 6-6 3-2 5-0", "", "2-1 2-2 5-2 6-1 6-3 6-2 1-0"}, "5-4 0-0 4-0 3-1 3-3 6-4 5-3 2-0 4-4 4-1 4-3 3-0 4-2 6-0", 2},
    };
    // clang-format on
    for (const auto& [semilla, asientos, manos, monton, salida] : casos) {
        Banco b(semilla);
        b.Asientos(asientos);
        ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
        for (std::size_t p = 1; p <= 4; ++p) EXPECT_EQ(Fichas(b.e.Manos[p], b.e.HuecosMano[p]), manos[p]);
        EXPECT_EQ(Fichas(b.e.Monton, b.e.FichasMonton), monton);
        EXPECT_EQ(b.mesa.Hubo("DibujarMonton"), !monton.empty()); // drawn only with tiles to draw
        EXPECT_EQ(b.e.JugadorSalida, salida);
    }
}

// Every legal number of tiles for every choice of seats in play.
TEST(Reparto, cada_ficha_se_reparte_una_vez_con_el_punto_mayor_primero_para_toda_combinacion)
{
    for (const char* asientos : {"12", "13", "14", "23", "24", "34", "123", "124", "134", "234", "1234"}) {
        const int n = static_cast<int>(std::string(asientos).size());
        for (int f = 7; f * n <= 28 && f <= 14; ++f) {
            for (std::uint32_t semilla : {1u, 99u}) {
                Banco b(semilla);
                b.Asientos(asientos);
                b.a.FichasPorJugador = static_cast<Entero>(f);
                b.a.TurnoSalida = ReglaSalida::Rotatorio;
                SCOPED_TRACE(std::string(asientos) + " x " + std::to_string(f));
                ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);

                std::set<int> vistas;
                auto ver = [&](Entero a, Entero bb) {
                    EXPECT_TRUE(a >= bb && a <= 6 && bb >= 0) << a << "-" << bb;
                    EXPECT_TRUE(vistas.insert(a * 10 + bb).second) << a << "-" << bb << " dos veces";
                };
                for (std::size_t p = 1; p <= 4; ++p) {
                    const int fichas = AsientoEnJuego(b.a, p) ? f : 0;
                    EXPECT_EQ(b.e.FichasEnMano[p], fichas);
                    EXPECT_EQ(b.e.HuecosMano[p], fichas);
                    for (std::size_t s = 1; s <= kHuecos; ++s) {
                        const HuecoMano& h = b.e.Manos[p][s];
                        EXPECT_EQ(h.Estado, static_cast<int>(s) <= fichas ? kEnMano : kVacio);
                        if (static_cast<int>(s) <= fichas) ver(h.PuntoA, h.PuntoB);
                    }
                }
                EXPECT_EQ(b.e.FichasMonton, 28 - f * n);
                for (std::size_t i = 1; i <= kHuecosMonton; ++i) {
                    const FichaMonton& m = b.e.Monton[i];
                    if (static_cast<int>(i) <= b.e.FichasMonton) ver(m.PuntoA, m.PuntoB);
                    EXPECT_TRUE(static_cast<int>(i) <= b.e.FichasMonton || m.PuntoA == kNinguna);
                }
                EXPECT_EQ(vistas.size(), 28u);
                EXPECT_TRUE(AsientoEnJuego(b.a, b.e.JugadorSalida));
            }
        }
    }
}

TEST(Reparto, los_numeros_se_ordenan_por_cuenta_y_a_igual_cuenta_el_mayor_primero)
{
    EstadoJuego e;
    Ajustes r;
    r.FichasPorJugador = 7;
    for (Entero p = 1; p <= 4; ++p) DarFichas(e, p, "66 61 51 53 33 21 43");
    e.NumeroMano = 2;
    ContarManos(e, r);
    OrdenarNumeros(e, r);
    // 1 and 3 carry three tiles each (the double 3-3 counted once), 6 and 5 two, 4 and 2 one, 0 none.
    EXPECT_EQ(e.NumerosOrdenados[1], (std::array<Entero, 8>{0, 3, 1, 6, 5, 4, 2, 0}));
    EXPECT_EQ(e.CuentaNumeros[1][3], 3);
    EXPECT_EQ(e.DoblesJugador[1], 2);
    EXPECT_EQ(e.PoseedorDoble[6], 4); // the last seat holding it, as every seat here has the same hand
    EXPECT_EQ(e.SalidaA, -1);         // no opening tile after the first hand
}

TEST(Reparto, la_mano_queda_lista_con_el_turno_un_paso_antes_del_que_sale)
{
    for (Entero paso : {Entero{1}, Entero{-1}}) {
        Banco b(7);
        b.e.PasoTurno = paso;
        b.e.Jugadas.resize(91);
        b.e.NumeroJugada = 33;
        b.e.EsperaContinuar = true;
        ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
        EXPECT_EQ(b.e.NumeroMano, 1);
        EXPECT_EQ(b.e.NumeroJugada, 0);
        EXPECT_TRUE(b.e.ManoEnCurso);
        EXPECT_FALSE(b.e.EsperaContinuar);
        EXPECT_EQ(b.e.Jugadas.size(), 41u);
        EXPECT_EQ(b.e.JugadorTurno, b.e.JugadorSalida - paso);
    }
}

TEST(Reparto, el_reparto_al_azar_suena_a_barajar_y_a_ficha_y_el_manual_no)
{
    for (const FormaReparto forma : {FormaReparto::Aleatorio, FormaReparto::Manual}) {
        Banco b(3);
        b.a.SistemaReparto = forma;
        ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
        const auto& s = b.ritmo.Sonidos;
        EXPECT_EQ(std::count(s.begin(), s.end(), sonido::Barajar), forma == FormaReparto::Aleatorio ? 1 : 0);
        EXPECT_EQ(std::count(s.begin(), s.end(), sonido::Ficha) >= 4, forma == FormaReparto::Aleatorio);
    }
}

} // namespace
} // namespace zp
