#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/reparto.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

std::string Mano(const EstadoJuego& e, std::size_t p)
{
    std::string s;
    for (int k = 1; k <= e.HuecosMano[p]; ++k) {
        const HuecoMano& h = e.Manos[p][static_cast<std::size_t>(k)];
        s += (s.empty() ? "" : " ") + std::to_string(h.PuntoA) + "-" + std::to_string(h.PuntoB);
    }
    return s;
}

std::string Monton(const EstadoJuego& e)
{
    std::string s;
    for (int i = 1; i <= e.FichasMonton; ++i) {
        const FichaMonton& f = e.Monton[static_cast<std::size_t>(i)];
        s += (s.empty() ? "" : " ") + std::to_string(f.PuntoA) + "-" + std::to_string(f.PuntoB);
    }
    return s;
}

TEST(Reparto, la_semilla_7_reparte_siempre_estas_manos_a_cuatro)
{
    Banco b(7);
    Contexto c = b.Ctx();
    ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);
    EXPECT_EQ(Mano(b.e, 1), "5-0 5-3 2-2 6-4 1-1 4-4 6-2");
    EXPECT_EQ(Mano(b.e, 2), "4-2 6-1 6-5 0-0 3-1 5-5 3-0");
    EXPECT_EQ(Mano(b.e, 3), "6-0 2-0 5-1 3-3 6-6 4-1 5-4");
    EXPECT_EQ(Mano(b.e, 4), "5-2 3-2 2-1 4-0 4-3 1-0 6-3");
    EXPECT_EQ(b.e.FichasMonton, 0);
    EXPECT_FALSE(b.mesa.Hubo("DibujarMonton")); // nothing left to draw from
    EXPECT_EQ(b.e.JugadorSalida, 3);            // holds the double six
}

TEST(Reparto, la_semilla_11_reparte_siempre_estas_manos_y_este_monton_a_dos)
{
    Banco b(11);
    b.Asientos("24");
    Contexto c = b.Ctx();
    ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);
    EXPECT_EQ(Mano(b.e, 2), "1-1 5-1 6-5 5-5 6-6 3-2 5-0");
    EXPECT_EQ(Mano(b.e, 4), "2-1 2-2 5-2 6-1 6-3 6-2 1-0");
    EXPECT_EQ(Monton(b.e), "5-4 0-0 4-0 3-1 3-3 6-4 5-3 2-0 4-4 4-1 4-3 3-0 4-2 6-0");
    EXPECT_TRUE(b.mesa.Hubo("DibujarMonton"));
    for (std::size_t p : {1u, 3u}) {
        EXPECT_EQ(b.e.HuecosMano[p], 0);
        EXPECT_EQ(b.e.FichasEnMano[p], 0);
    }
}

// Every legal number of tiles for every choice of seats in play.
TEST(Reparto, cada_ficha_se_reparte_una_vez_con_el_punto_mayor_primero_para_toda_combinacion)
{
    const char* combinaciones[] = {"12", "13", "14", "23", "24", "34", "123", "124", "134", "234", "1234"};
    for (const char* asientos : combinaciones) {
        const int n = static_cast<int>(std::string(asientos).size());
        for (int f = 7; f * n <= 28 && f <= 14; ++f) {
            for (std::uint32_t semilla : {1u, 99u}) {
                Banco b(semilla);
                b.Asientos(asientos);
                b.a.FichasPorJugador = static_cast<Entero>(f);
                b.a.TurnoSalida = ReglaSalida::Rotatorio;
                Contexto c = b.Ctx();
                SCOPED_TRACE(std::string(asientos) + " x " + std::to_string(f));
                ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);

                std::set<int> vistas;
                auto ver = [&](Entero a, Entero bb) {
                    EXPECT_GE(a, bb);
                    EXPECT_TRUE(a >= 0 && a <= 6 && bb >= 0 && bb <= 6);
                    EXPECT_TRUE(vistas.insert(a * 10 + bb).second) << a << "-" << bb << " dos veces";
                };
                for (std::size_t p = 1; p <= 4; ++p) {
                    const bool enJuego = AsientoEnJuego(b.a, p);
                    EXPECT_EQ(b.e.FichasEnMano[p], enJuego ? f : 0);
                    EXPECT_EQ(b.e.HuecosMano[p], enJuego ? f : 0);
                    for (int s = 1; s <= kHuecos; ++s) {
                        const HuecoMano& h = b.e.Manos[p][static_cast<std::size_t>(s)];
                        if (enJuego && s <= f) {
                            EXPECT_EQ(h.Estado, kEnMano);
                            ver(h.PuntoA, h.PuntoB);
                        } else {
                            EXPECT_EQ(h.Estado, kVacio);
                        }
                    }
                }
                EXPECT_EQ(b.e.FichasMonton, 28 - f * n);
                for (int i = 1; i <= kHuecosMonton; ++i) {
                    const FichaMonton& m = b.e.Monton[static_cast<std::size_t>(i)];
                    if (i <= b.e.FichasMonton)
                        ver(m.PuntoA, m.PuntoB);
                    else
                        EXPECT_EQ(m.PuntoA, kNinguna);
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
    const Entero fichas[7][2] = {{6, 6}, {6, 1}, {5, 1}, {5, 3}, {3, 3}, {2, 1}, {4, 3}};
    for (std::size_t p = 1; p <= 4; ++p) {
        e.HuecosMano[p] = 7;
        for (std::size_t s = 1; s <= 7; ++s)
            e.Manos[p][s] = HuecoMano{fichas[s - 1][0], fichas[s - 1][1], kEnMano};
    }
    e.NumeroMano = 2;
    ContarManos(e, r);
    OrdenarNumeros(e, r);
    // 1 and 3 carry three tiles each (the double 3-3 counted once), 6 and 5 two, 4 and 2 one, 0 none.
    const std::array<Entero, 8> esperado = {0, 3, 1, 6, 5, 4, 2, 0};
    EXPECT_EQ(e.NumerosOrdenados[1], esperado);
    EXPECT_EQ(e.CuentaNumeros[1][3], 3);
    EXPECT_EQ(e.DoblesJugador[1], 2);
    EXPECT_EQ(e.PoseedorDoble[6], 4); // the last seat holding it, as every seat here has the same hand
    EXPECT_EQ(e.SalidaA, -1);         // no opening tile after the first hand
}

TEST(Reparto, la_linea_arranca_en_el_centro_segun_el_asiento_que_sale)
{
    struct Caso
    {
        int ancho, alto;
        std::uint32_t semilla;
        Entero salida;
        std::array<Entero, 3> direccion, x, y;
        std::array<Entero, 5> limite1, limite2;
    };
    // Seeds chosen so that the double six lies with the seat named.
    const Caso casos[] = {
        {800,
         600,
         7,
         3,
         {0, 3, 1},
         {0, 355, 358},
         {0, 262, 262},
         {0, 146, 419, 563, 425},
         {0, 146, 146, 563, 145}},
        {800,
         600,
         11,
         2,
         {0, 4, 2},
         {0, 335, 335},
         {0, 262, 262},
         {0, 146, 146, 218, 425},
         {0, 492, 146, 563, 425}},
        {1024,
         768,
         7,
         3,
         {0, 3, 1},
         {0, 467, 470},
         {0, 346, 346},
         {0, 146, 503, 787, 593},
         {0, 146, 146, 787, 229}},
    };
    for (const auto& k : casos) {
        Banco b(k.semilla, MedirPantalla(k.ancho, k.alto));
        if (k.semilla == 11) b.Asientos("24");
        Contexto c = b.Ctx();
        ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);
        ASSERT_EQ(b.e.JugadorSalida, k.salida);
        const ExtremosLinea& l = b.e.Linea;
        EXPECT_EQ(l.DireccionExtremo, k.direccion);
        EXPECT_EQ(l.XExtremo, k.x);
        EXPECT_EQ(l.YExtremo, k.y);
        EXPECT_EQ(l.LimiteGiro[1], k.limite1);
        EXPECT_EQ(l.LimiteGiro[2], k.limite2);
        EXPECT_EQ(l.Extremos[1], kNinguna);
        EXPECT_EQ(l.Extremos[2], kNinguna);
    }
}

TEST(Reparto, la_mano_queda_lista_con_el_turno_un_paso_antes_del_que_sale)
{
    for (Entero paso : {Entero{1}, Entero{-1}}) {
        Banco b(7);
        b.e.PasoTurno = paso;
        b.e.Jugadas.resize(91);
        b.e.NumeroJugada = 33;
        Contexto c = b.Ctx();
        ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);
        EXPECT_EQ(b.e.NumeroMano, 1);
        EXPECT_EQ(b.e.NumeroJugada, 0);
        EXPECT_TRUE(b.e.ManoEnCurso);
        EXPECT_EQ(b.e.Jugadas.size(), 41u);
        EXPECT_EQ(b.e.JugadorTurno, b.e.JugadorSalida - paso);
    }
}

TEST(Reparto, unas_reglas_sin_jugadores_no_reparten_ni_se_cuelgan)
{
    Banco b(1);
    b.Asientos("");
    Contexto c = b.Ctx();
    EXPECT_EQ(IniciarMano(c), ResultadoReparto::ReglasNoValidas);
    b.Asientos("1234");
    b.a.NumeroJugadores = 2; // a damaged file: the count disagrees with the seats
    EXPECT_EQ(IniciarMano(c), ResultadoReparto::ReglasNoValidas);
    EXPECT_EQ(b.e.NumeroMano, 0);
}

} // namespace
} // namespace zp
