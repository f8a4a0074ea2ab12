// The endgame search on positions small enough to count by hand.
#include <gtest/gtest.h>

#include <vector>

#include "engine/final_mano.h"
#include "final_mesa.h"
#include "final_referencia.h"

namespace zp {
namespace {

using prueba::MesaFinal;

struct Raiz
{
    float Porcentaje;
    float Media;
};

struct Caso
{
    const char* Nombre;
    MesaFinal Mesa;
    std::vector<Raiz> Raices;
    std::uint64_t Desenlaces;
};

// Seats 2 and 4 alone unless a case says otherwise; seat 4 moves.
MesaFinal Individual(std::string mano4, std::string mano2, Entero e1, Entero e2)
{
    MesaFinal m;
    m.Manos[4] = std::move(mano4);
    m.Manos[2] = std::move(mano2);
    m.Extremo1 = e1;
    m.Extremo2 = e2;
    return m;
}

MesaFinal Con(MesaFinal m, Entero empate, Entero seAnotan, Entero anotacion, Entero salida = 4)
{
    m.GanadorSiEmpate = static_cast<Empate>(empate);
    m.PuntosQueSeAnotan = static_cast<PuntosAnotados>(seAnotan);
    m.SistemaAnotacion = static_cast<Anotacion>(anotacion);
    m.Salida = salida;
    return m;
}

// Pairs: after 6-1 nobody holds a 1 or a 6, and each pair keeps 7 pips: a tie.
MesaFinal ParejasEmpatadas(Entero empate, Entero seAnotan, Entero anotacion, Entero salida)
{
    MesaFinal m;
    m.ModoJuego = Modalidad::Parejas;
    m.Manos = {"", "50", "30", "20", "61 22"};
    m.Extremo1 = 6;
    m.Extremo2 = 6;
    return Con(m, empate, seAnotan, anotacion, salida);
}

// After 5-1 nobody holds a 1, but seat 4 still holds a 3 for the other end; the 1s lie in the stock,
// which can no longer be drawn from.
MesaFinal ExtremoUnoMuerto()
{
    MesaFinal m = Individual("51 32", "20", 5, 3);
    m.FichasMonton = 4;
    m.RemanentesMonton = 4;
    return Con(m, 1, 1, 1);
}

MesaFinal TresJugadores()
{
    MesaFinal m;
    m.Manos = {"", "33", "52 44", "", "65 20"};
    m.Extremo1 = 6;
    m.Extremo2 = 6;
    return Con(m, 1, 1, 2);
}

TEST(BusquedaFinalMano, cuenta_cada_raiz_como_las_candidatas_y_puntua_cada_desenlace)
{
    const std::vector<Caso> casos = {
        // 3-3 once; 5-3 at end 2 (joined by 5) and at end 1 (joined by 3). The third leaves a 5 at both ends
        // that nobody holds: the line is closed and seat 4 wins with the fewer pips, scoring everybody's 18.
        {"una ficha doble es una raiz y una ficha de dos extremos son dos",
         Con(Individual("33 53", "66", 3, 5), 1, 1, 2),
         {{100, 12}, {100, 12}, {100, 18}},
         3},
        {"el domino con la ultima ficha que cabe en los dos extremos cuenta una vez",
         Individual("64 55", "43", 3, 6),
         {{0, 0}},
         1},
        {"quien no puede poner pasa y sigue el siguiente asiento en juego", TresJugadores(), {{100, 14}}, 1},
        {"sin puntos no hay decenas", Con(Individual("61 11", "00", 6, 6), 1, 1, 1), {{100, 0}}, 1},
        {"diez puntos son una decena", Con(Individual("61 11", "55", 6, 6), 1, 1, 1), {{100, 1}}, 1},
        {"once puntos son dos decenas", Con(Individual("61 11", "54 20", 6, 6), 1, 1, 1), {{100, 2}}, 1},
        {"por unidades se anotan los puntos",
         Con(Individual("61 11", "54 20", 6, 6), 1, 1, 2),
         {{100, 11}},
         1},
        // Individual tie after 6-1: 4 pips each.
        {"empate individual que se repite no cuenta",
         Con(Individual("61 22", "40", 6, 6), 1, 1, 2),
         {{0, 0}},
         0},
        {"empate individual lo gana quien salio",
         Con(Individual("61 22", "40", 6, 6), 2, 1, 2, 4),
         {{100, 8}},
         1},
        {"empate individual perdido si salio el otro",
         Con(Individual("61 22", "40", 6, 6), 2, 1, 2, 2),
         {{0, 0}},
         1},
        // "The pair that did not lead" means nothing without pairs: the hand is replayed, as the scoring
        // does.
        {"empate individual con la regla de parejas se repite como al anotar",
         Con(Individual("61 22", "40", 6, 6), 3, 1, 2, 4),
         {{0, 0}},
         0},
        {"empate por parejas que se repite no cuenta", ParejasEmpatadas(1, 1, 1, 1), {{0, 0}}, 0},
        {"empate por parejas lo gana la pareja que salio", ParejasEmpatadas(2, 1, 1, 2), {{100, 2}}, 1},
        {"empate por parejas perdido si salio la otra", ParejasEmpatadas(2, 1, 1, 1), {{0, 0}}, 1},
        {"empate por parejas lo gana la que no salio", ParejasEmpatadas(3, 1, 2, 1), {{100, 14}}, 1},
        {"empate por parejas: solo cuentan los puntos de la perdedora",
         ParejasEmpatadas(3, 2, 2, 1),
         {{100, 7}},
         1},
        // Judged by end 1 alone the line would be closed and seat 4 lose on pips; the other end is still
        // open,
        // so seat 2 passes and seat 4 dominoes. The second root lets seat 2 domino.
        {"una linea solo esta cerrada si nadie puede poner en ningun extremo",
         ExtremoUnoMuerto(),
         {{100, 1}, {0, 0}},
         2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Nombre);
        EstadoJuego e;
        Ajustes a;
        prueba::MontarMesa(c.Mesa, e, a);
        ResultadoFinalMano r;
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
        ASSERT_EQ(inf.Fin, FinBusqueda::Completa);
        ASSERT_EQ(inf.Raices, static_cast<int>(c.Raices.size()));
        EXPECT_EQ(inf.Desenlaces, c.Desenlaces);
        for (std::size_t k = 1; k <= c.Raices.size(); ++k) {
            EXPECT_FLOAT_EQ(r.PorcentajeGanadas[k], c.Raices[k - 1].Porcentaje) << "raiz " << k;
            EXPECT_FLOAT_EQ(r.MediaPuntosGanados[k], c.Raices[k - 1].Media) << "raiz " << k;
        }
        // The plain enumerator agrees on every one of them.
        const prueba::ResultadoReferencia ref = prueba::ExplorarReferencia(e, a, ResultadoFinalMano{});
        ASSERT_TRUE(ref.Calculado);
        EXPECT_EQ(ref.Salida.PorcentajeGanadas, r.PorcentajeGanadas);
        EXPECT_EQ(ref.Salida.MediaPuntosGanados, r.MediaPuntosGanados);
    }
}

TEST(BusquedaFinalMano, se_niega_sin_tocar_los_resultados_cuando_no_hay_nada_que_pesar)
{
    struct Negativa
    {
        const char* Nombre;
        MesaFinal Mesa;
        FinBusqueda Fin;
    };
    MesaFinal conMonton = Individual("61 22", "40", 6, 6);
    conMonton.FichasMonton = 3;
    conMonton.RemanentesMonton = 2;
    MesaFinal parejasConMonton = ParejasEmpatadas(1, 1, 1, 1);
    parejasConMonton.FichasMonton = 3; // pairs play searches whatever the stock holds
    const std::vector<Negativa> casos = {
        {"el que mueve tiene una sola ficha", Individual("61", "40 22", 6, 6), FinBusqueda::UnaFicha},
        {"individual y aun se puede robar", conMonton, FinBusqueda::MontonAbierto},
        {"por parejas el monton no impide buscar", parejasConMonton, FinBusqueda::Completa},
    };
    for (const Negativa& c : casos) {
        SCOPED_TRACE(c.Nombre);
        EstadoJuego e;
        Ajustes a;
        prueba::MontarMesa(c.Mesa, e, a);
        ResultadoFinalMano r;
        r.PorcentajeGanadas.fill(-7.0f);
        r.MediaPuntosGanados.fill(-7.0f);
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
        EXPECT_EQ(inf.Fin, c.Fin);
        const float esperado = c.Fin == FinBusqueda::Completa ? 0.0f : -7.0f;
        EXPECT_EQ(r.PorcentajeGanadas[1], esperado);
        EXPECT_EQ(r.MediaPuntosGanados[1], esperado);
        EXPECT_EQ(r.PorcentajeGanadas[2], -7.0f) << "past the last root nothing is written";
    }
}

} // namespace
} // namespace zp
