// The automatic player's judgement: the number analysis, the seat roles and the value of each scoring rule
// in the situations it was made for.
#include <gtest/gtest.h>

#include "eleccion_posicion.h"
#include "engine/analisis_mano.h"
#include "engine/reglas_puntuacion.h"

namespace zp::prueba {
namespace {

TEST(AnalisisNumero, CuentaPuestasVistasYQuienSostieneElNumero)
{
    Posicion pos(1);
    pos.Puestas(1, {{3, 3}, {3, 1}});
    pos.Mano(2, {{3, 5}, {6, 6}}); // the mover's partner
    pos.Mano(4, {{2, 0}});
    const AnalisisNumero an = AnalizarFichasNumero(pos.e, 4, 3);
    EXPECT_EQ(an.PuestasConNumero, 2);
    EXPECT_EQ(an.EsDoble, 1);
    const std::array<Entero, 7> visto{0, 1, 0, 1, 0, 0, 0};
    EXPECT_EQ(an.VistoConNumero, visto);
    EXPECT_EQ(an.FichasConNumero[2], 1);
    EXPECT_EQ(an.FichasConNumero[4], 0);
    EXPECT_EQ(an.BandoDobleNumero, 0);
    EXPECT_EQ(an.PoseedorDobleNumero, 0);
    // Pips held, whatever their numbers, by seat and by side.
    EXPECT_FLOAT_EQ(an.PuntosEnMano[2], 20.0f);
    EXPECT_FLOAT_EQ(an.PuntosEnMano[4], 2.0f);
    EXPECT_FLOAT_EQ(an.PuntosEnBando[1], 22.0f);
    EXPECT_FLOAT_EQ(an.PuntosEnBando[2], 0.0f);
}

struct CasoRivales
{
    const char* nombre;
    std::initializer_list<int> asientos;
    Entero paso;
    std::array<Entero, 5> fichas;
    std::array<Entero, 4> orden;
};

TEST(RolesAsientos, LosRivalesSeOrdenanPorFichasYLuegoPorOrdenDeJuego)
{
    const CasoRivales casos[] = {
        {"diez fichas van detrás de tres", {1, 2, 3, 4}, 1, {0, 10, 3, 3, 5}, {0, 2, 3, 1}},
        {"empate: el que juega antes", {1, 2, 3, 4}, 1, {0, 4, 4, 4, 5}, {0, 1, 2, 3}},
        {"sentido inverso", {1, 2, 3, 4}, -1, {0, 4, 4, 4, 5}, {0, 3, 2, 1}},
        {"tres jugadores: el tercer puesto es nadie", {1, 2, 4}, 1, {0, 12, 2, 0, 5}, {0, 2, 1, 0}},
        {"dos jugadores", {2, 4}, 1, {0, 0, 9, 0, 5}, {0, 2, 0, 0}},
    };
    for (const auto& c : casos) {
        Posicion pos(2, c.asientos);
        pos.e.PasoTurno = c.paso;
        pos.e.FichasEnMano = c.fichas;
        EXPECT_EQ(CalcularRoles(pos.e, pos.a, 4, 50).OrdenRivales, c.orden) << c.nombre;
    }
}

TEST(RolesAsientos, EnParejasElRivalCargadoPasaDetrasSoloPorEncimaDelNivel20)
{
    Posicion pos(1);
    pos.e.FichasEnMano = {0, 5, 3, 2, 4}; // the next seat (1) holds more than its partner (3)
    const RolesAsientos r50 = CalcularRoles(pos.e, pos.a, 4, 50);
    EXPECT_EQ(r50.Propio1, 2); // the partner holds fewer
    EXPECT_EQ(r50.Propio2, 4);
    EXPECT_EQ(r50.Rival1, 3);
    EXPECT_EQ(r50.Rival2, 1);
    const RolesAsientos r20 = CalcularRoles(pos.e, pos.a, 4, 20);
    EXPECT_EQ(r20.Rival1, 1);
    EXPECT_EQ(r20.Rival2, 3);
    pos.e.FichasEnMano = {0, 5, 4, 2, 4};
    EXPECT_EQ(CalcularRoles(pos.e, pos.a, 4, 50).Propio1, 4); // equal counts: the mover himself
}

TEST(ReglasPuntuacion, ElValorBaseDependeDelCaracterYDelLugarDelNumeroQueQuedaAbierto)
{
    struct Caso
    {
        int caracter, lugar, base;
    } casos[] = {{2, 1, 13}, {3, 1, 11}, {1, 1, 15}, {2, 7, 7}};
    for (const auto& c : casos) {
        Posicion pos(1);
        pos.Extremos(6, 0);
        pos.Mano(4, {{6, 2}, {1, 1}});
        pos.e.NumerosOrdenados[4] = {0, 5, 4, 3, 1, 0, 6, 5};
        pos.e.NumerosOrdenados[4][static_cast<std::size_t>(c.lugar)] = 2;
        if (c.lugar != 1) pos.e.NumerosOrdenados[4][1] = 5;
        EXPECT_EQ(pos.Puntuar(6, 2, 50, c.caracter).Base, c.base) << c.caracter << " " << c.lugar;
    }
}

TEST(ReglasPuntuacion, UnDobleLlevaLaMitadDelPesoDeLoQueAbreRedondeadaAPar)
{
    struct Caso
    {
        Entero peso;
        Entero esperado;
    } casos[] = {{-5, 2}, {-7, 4}, {-6, 3}};
    for (const auto& c : casos) {
        Posicion pos(1);
        pos.Extremos(5, 0);
        pos.Mano(4, {{5, 5}, {1, 0}});
        pos.e.FichasEnMano = {0, 3, 3, 3, 2}; // the rivals hold as many: 1 stays first, 3 second
        pos.e.PesoNumero[3][5] = c.peso;      // second rival: -1 x weight
        pos.e.PesoNumero[1][5] = 0;
        pos.e.PesoNumero[4][5] = 0;
        EXPECT_EQ(pos.Puntuar(5, 5, 50, 2).Pesos, c.esperado) << c.peso;
    }
}

TEST(ReglasPuntuacion, EnTresJugadoresElAsientoVacioNoPesa)
{
    Posicion pos(2, {1, 2, 4});
    pos.Extremos(6, 0);
    pos.Mano(4, {{6, 2}, {1, 0}});
    pos.e.FichasEnMano = {0, 4, 5, 0, 2};
    pos.e.PesoNumero[3] = {9, 9, 9, 9, 9, 9, 9};
    pos.e.PesoNumero[0] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(pos.Puntuar(6, 2, 50, 2).Pesos, 0);
}

TEST(ReglasPuntuacion, LaUltimaFichaDelNumeroCubiertoRecortaLaMitadDeGRedondeadaAPar)
{
    // Medio, g = 13: a score of 10 gives 3.5 and then 4; 11 gives 4.5 and then 4.
    struct Caso
    {
        int lugar, antes, despues;
    } casos[] = {{4, 10, 4}, {3, 11, 4}};
    for (const auto& c : casos) {
        Posicion pos(1);
        pos.Extremos(2, 0);
        pos.Mano(4, {{2, 4}, {4, 6}, {4, 1}, {6, 1}});
        pos.e.NumerosOrdenados[4] = {0, 6, 5, 3, 1, 2, 0, 0};
        pos.e.NumerosOrdenados[4][static_cast<std::size_t>(c.lugar)] = 4;
        const DesglosePuntuacion d = pos.Puntuar(2, 4, 50, 2);
        EXPECT_EQ(d.Base + d.Pesos, c.antes);
        EXPECT_EQ(pos.total, c.despues);
        EXPECT_EQ(d.Regla[2], 0);
    }
}

TEST(ReglasPuntuacion, ElDobleVaLeSegunLoQueHayPuestoDeSuNumero)
{
    struct Caso
    {
        const char* nombre;
        int puestas, nivel, caracter, regla1, regla9;
    } casos[] = {
        {"tres puestas, nivel 45, Medio", 3, 45, 2, 50, 0},
        {"tres puestas, nivel 40: sin el 35", 3, 40, 2, 30, 0},
        {"tres puestas, Agresivo", 3, 45, 3, 35, 0},
        {"cinco puestas, nivel 45", 5, 45, 2, 120, 0},
        {"cinco puestas, nivel 61: regla 9", 5, 61, 2, 120, 90},
        {"cinco puestas, nivel 61, Conservador", 5, 61, 1, 120, 130},
        {"dos puestas", 2, 100, 2, 30, 0},
    };
    const Ficha cincos[] = {{5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}};
    for (const auto& c : casos) {
        Posicion pos(1);
        for (int i = 0; i < c.puestas; ++i) pos.Puestas(1, {cincos[i]});
        pos.Extremos(5, 6);
        pos.Mano(4, {{5, 5}, {6, 1}, {4, 3}});
        const DesglosePuntuacion d = pos.Puntuar(5, 5, c.nivel, c.caracter);
        EXPECT_EQ(d.Regla[1], c.regla1) << c.nombre;
        EXPECT_EQ(d.Regla[9], c.regla9) << c.nombre;
    }
}

TEST(ReglasPuntuacion, LasReglasDeLaSalidaNoRigenEnLaPrimeraManoConSeisDoble)
{
    struct Caso
    {
        const char* nombre;
        int mano, primera, regla5, regla6, regla7;
    } casos[] = {
        {"segunda mano", 2, 1, -35, -15, 20},
        {"primera mano con Seis Doble", 1, 1, 0, 0, 0},
        {"primera mano por sorteo", 1, 2, -35, -15, 20},
    };
    for (const auto& c : casos) {
        // Rule 5: the partner led the double 6-6, the mover answers with a double.
        Posicion p5(1);
        p5.e.NumeroMano = static_cast<Entero>(c.mano);
        p5.a.PrimeraMano = static_cast<Apertura>(c.primera);
        p5.e.NumeroJugada = 3;
        p5.e.Jugadas[1].PuntoUnido = 6;
        p5.e.Jugadas[1].PuntoAbierto = 6;
        p5.Extremos(6, 2);
        p5.Mano(4, {{2, 2}, {1, 0}});
        EXPECT_EQ(p5.Puntuar(2, 2, 61, 2).Regla[5], c.regla5) << c.nombre;

        // Rule 6: lead 6-4; the mover covers 4 and leaves 1 while he holds 1-6.
        Posicion p6(1);
        p6.e.NumeroMano = static_cast<Entero>(c.mano);
        p6.a.PrimeraMano = static_cast<Apertura>(c.primera);
        p6.e.NumeroJugada = 3;
        p6.e.Jugadas[1].PuntoUnido = 6;
        p6.e.Jugadas[1].PuntoAbierto = 4;
        p6.Extremos(4, 2);
        p6.Mano(4, {{4, 1}, {1, 6}, {5, 5}});
        EXPECT_EQ(p6.Puntuar(4, 1, 81, 2).Regla[6], c.regla6) << c.nombre;

        // Rule 7: the leader's second tile leaves open the pip of his lead that the other end shows.
        Posicion p7(1);
        p7.e.NumeroMano = static_cast<Entero>(c.mano);
        p7.a.PrimeraMano = static_cast<Apertura>(c.primera);
        p7.e.NumeroJugada = 5;
        p7.e.JugadorSalida = 4;
        p7.e.Jugadas[1].PuntoUnido = 6;
        p7.e.Jugadas[1].PuntoAbierto = 4;
        p7.Extremos(4, 3);
        p7.Mano(4, {{3, 4}, {1, 1}, {2, 0}, {5, 0}, {5, 1}, {2, 2}});
        EXPECT_EQ(p7.Puntuar(3, 4, 61, 2).Regla[7], c.regla7) << c.nombre;
    }
}

TEST(ReglasPuntuacion, ConLosDosExtremosIgualesNoSeJuzgaLaFichaQueLosUniria)
{
    // Both ends show 5: the tile 2-5 is the candidate itself and joins nothing. With different ends the same
    // counts would make rule 18 judge a block.
    Posicion pos(1);
    pos.Puestas(3, {{5, 0}, {5, 1}, {5, 3}, {5, 4}, {5, 6}});
    pos.Mano(4, {{5, 2}, {1, 1}});
    pos.Mano(1, {{5, 5}});
    pos.Extremos(5, 5);
    const DesglosePuntuacion d = pos.Puntuar(5, 2, 100, 2);
    EXPECT_EQ(d.Regla[8], 0);
    EXPECT_EQ(d.Regla[18], 0);
    EXPECT_EQ(d.Regla[19], 0);
}

TEST(ReglasPuntuacion, NoAbrirElNumeroDeLaUltimaFichaDelSiguiente)
{
    Posicion pos(1);
    pos.Extremos(6, 0);
    pos.Mano(4, {{6, 3}, {1, 0}});
    pos.Mano(1, {{3, 3}}); // seat 1 moves after seat 4
    EXPECT_EQ(pos.Puntuar(6, 3, 96, 2).Regla[13], -320);
    EXPECT_EQ(pos.Puntuar(6, 3, 95, 2).Regla[13], 0);
    EXPECT_EQ(pos.Puntuar(6, 1, 96, 2).Regla[13], 0);
}

// Pairs: the mover (4) lays 6-3, the sixth 3 but for 3-3, which seat 1 holds. After the block the other
// side keeps 10 pips and the own side 1 plus the partner's.
void BloqueoEnParejas(Posicion& pos, std::initializer_list<Ficha> companero)
{
    pos.Puestas(3, {{3, 0}, {3, 1}, {3, 2}, {3, 4}, {3, 5}});
    pos.Mano(4, {{6, 3}, {1, 0}});
    pos.Mano(2, companero);
    pos.Mano(1, {{3, 3}, {4, 2}});
    pos.Mano(3, {{4, 0}});
    pos.Extremos(6, 3);
}

TEST(ReglasPuntuacion, ElCierreSeJuzgaPorLosPuntosConUnMargenQueBajaConElNivel)
{
    EXPECT_EQ(MargenBloqueo(0), 21);
    EXPECT_EQ(MargenBloqueo(50), 11);
    EXPECT_EQ(MargenBloqueo(100), 1);
    EXPECT_EQ(MargenBloqueo(97), 2);
    struct Caso
    {
        const char* nombre;
        std::initializer_list<Ficha> companero;
        int nivel, regla14;
    } casos[] = {
        {"nivel 100, puntos iguales", {{5, 4}}, 100, 600},
        {"nivel 100, uno más", {{6, 4}}, 100, -600},
        {"nivel 0, veinte más", {{6, 6}, {5, 5}, {6, 1}}, 0, 600},
        {"nivel 0, veintiuno más", {{6, 6}, {5, 5}, {6, 2}}, 0, -600},
    };
    for (const auto& c : casos) {
        Posicion pos(1);
        BloqueoEnParejas(pos, c.companero);
        // Agresivo: never misjudges, so level 0 shows the margin alone.
        EXPECT_EQ(pos.Puntuar(6, 3, c.nivel, 3).Regla[14], c.regla14) << c.nombre;
    }
}

TEST(ReglasPuntuacion, PorDebajoDel50UnCierreBuenoSeVeMaloAlAzarSegunElCaracter)
{
    struct Caso
    {
        int caracter;
        double u; // r = Int(u x 10 + 1)
        int regla14;
    } casos[] = {
        {1, 0.45, -600}, {1, 0.55, 600}, // Conservador: r < 6
        {2, 0.15, -600}, {2, 0.25, 600}, // Medio: r < 3
        {3, 0.0, 600},                   // Agresivo: never
    };
    for (const auto& c : casos) {
        Posicion pos(1);
        BloqueoEnParejas(pos, {{5, 4}});
        AzarFijo azar(c.u);
        EXPECT_EQ(pos.Puntuar(6, 3, 49, c.caracter, &azar).Regla[14], c.regla14) << c.caracter << " " << c.u;
        EXPECT_EQ(azar.Tiradas, 1);
    }
}

TEST(ReglasPuntuacion, SoloSeSorteaCuandoHayCierreYElNivelEsMenorQue50)
{
    Posicion cierre(1);
    BloqueoEnParejas(cierre, {{5, 4}});
    AzarFijo a50(0.0);
    cierre.Puntuar(6, 3, 50, 1, &a50);
    EXPECT_EQ(a50.Tiradas, 0);
    AzarFijo sinCierre(0.0);
    cierre.Puntuar(6, 1, 10, 1, &sinCierre);
    EXPECT_EQ(sinCierre.Tiradas, 0);
}

TEST(ReglasPuntuacion, CerrarElUltimoNumeroDejandoElDobleSegunDeQuienSea)
{
    // The mover covers the last open 4 with 4-6 while 4-4 is not laid.
    struct Caso
    {
        const char* nombre;
        int poseedor, nivel, solo, regla15;
    } casos[] = {
        {"el doble es del compañero", 2, 60, 0, -400},
        {"el doble es de un rival", 1, 60, 0, -50},
        {"última ficha del rival, nivel 91", 1, 91, 1, 450},
        {"última ficha del rival, nivel 90", 1, 90, 1, -50},
        {"bajo el nivel 51", 1, 50, 1, 0},
    };
    for (const auto& c : casos) {
        Posicion pos(1);
        pos.Puestas(3, {{4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 5}});
        pos.Mano(4, {{4, 6}, {1, 1}});
        pos.Mano(c.poseedor, {{4, 4}});
        if (!c.solo) pos.Mano(c.poseedor, {{2, 2}});
        pos.Extremos(4, 0);
        EXPECT_EQ(pos.Puntuar(4, 6, c.nivel, 2).Regla[15], c.regla15) << c.nombre;
    }
}

TEST(ReglasPuntuacion, EnIndividualElDobleEsDelAsientoQueLoRecibioEnElReparto)
{
    // 4-4 lay in the stock at the deal and the mover drew it: it is nobody's. Covering the last open 4
    // with 4-6 is then judged as leaving another's double dead.
    Posicion pos(2);
    pos.Puestas(3, {{4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 5}});
    pos.Mano(4, {{4, 6}, {1, 1}, {4, 4}});
    pos.Mano(1, {{2, 2}});
    pos.Extremos(4, 0);
    EXPECT_EQ(pos.Puntuar(4, 6, 60, 2).Regla[15], -400);
    pos.e.PoseedorDoble[4] = 0;
    EXPECT_EQ(pos.Puntuar(4, 6, 60, 2).Regla[15], -50);
}

TEST(ReglasPuntuacion, DejarAbiertoElNumeroDelDobleQueQuedaEnManoVale2000)
{
    Posicion pos(2);
    pos.Puestas(1, {{5, 0}, {5, 1}, {5, 3}, {5, 4}, {5, 6}});
    pos.Mano(4, {{5, 2}, {5, 5}});
    pos.Extremos(2, 5);
    EXPECT_EQ(pos.Puntuar(2, 5, 0, 2).Regla[16], 2000);
    EXPECT_EQ(pos.Puntuar(5, 2, 0, 2).Regla[16], 0);
    EXPECT_EQ(pos.Puntuar(5, 5, 0, 2).Regla[16], 0);
}

TEST(ReglasPuntuacion, AbrirElNumeroDeLaUltimaFichaDelCompanero)
{
    struct Caso
    {
        const char* nombre;
        int puestas, dobleDelSiguiente, nivel, regla17;
    } casos[] = {
        {"tres cincos puestos", 3, 0, 96, 40},
        {"cuatro cincos puestos", 4, 0, 96, 200},
        {"el siguiente tiene el 5-5", 3, 1, 96, 60},
        {"bajo el nivel 96", 4, 0, 95, 0},
    };
    const Ficha cincos[] = {{5, 0}, {5, 1}, {5, 3}, {5, 4}};
    for (const auto& c : casos) {
        Posicion pos(1);
        for (int i = 0; i < c.puestas; ++i) pos.Puestas(3, {cincos[i]});
        pos.Mano(2, {{2, 5}});
        pos.Mano(4, {{6, 5}, {1, 1}});
        pos.Mano(c.dobleDelSiguiente ? 1 : 3, {{5, 5}});
        pos.Extremos(6, 1);
        EXPECT_EQ(pos.Puntuar(6, 5, c.nivel, 2).Regla[17], c.regla17) << c.nombre;
    }
}

TEST(ReglasPuntuacion, LaFichaSiguienteQueCerrariaElOtroExtremo)
{
    // Individual, mover 4 plays 6-2 on the 6 (other end 5). The tile 2-5 would close the 5s, whose double
    // seat 1 holds: worth it when the mover then keeps fewer pips than both rivals, by the margin.
    struct Caso
    {
        const char* nombre;
        std::initializer_list<Ficha> rival2;
        int nivel, regla18;
    } casos[] = {
        {"los rivales guardan más", {{6, 6}}, 81, 50},
        {"un rival guarda menos", {{1, 0}}, 81, -50},
        {"bajo el nivel 81", {{6, 6}}, 80, 0},
    };
    for (const auto& c : casos) {
        Posicion pos(2, {1, 2, 4});
        pos.Puestas(1, {{5, 0}, {5, 1}, {5, 3}, {5, 4}, {5, 6}});
        pos.Mano(4, {{6, 2}, {4, 4}, {3, 3}});
        pos.Mano(1, {{5, 5}, {6, 4}, {2, 5}});
        pos.Mano(2, c.rival2);
        pos.Extremos(6, 5);
        EXPECT_EQ(pos.Puntuar(6, 2, c.nivel, 2).Regla[18], c.regla18) << c.nombre;
    }
}

} // namespace
} // namespace zp::prueba
