// The endgame search on positions small enough to count by hand.
#include <gtest/gtest.h>

#include <vector>

#include "engine/final_mano.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

// Seat 4 moves; each hand held after a laid tile, as a hand in play keeps it; an empty hand is out of play.
struct Mesa
{
    std::array<const char*, 5> Manos{};
    Entero Extremo1 = 6, Extremo2 = 6;
    Empate GanadorSiEmpate = Empate::SeRepite;
    PuntosAnotados SeAnotan = PuntosAnotados::DeTodos;
    Anotacion SistemaAnotacion = Anotacion::Unidades;
    Entero Salida = 4, FichasMonton = 0, RemanentesMonton = 0;
};

void Montar(const Mesa& m, EstadoJuego& e, Ajustes& a)
{
    std::string asientos;
    for (Entero p = 1; p <= 4; ++p) {
        if (*m.Manos[static_cast<std::size_t>(p)] == '\0') continue;
        asientos += char('0' + p);
        DarFichas(e, p, "00", kPuesta);
        DarFichas(e, p, m.Manos[static_cast<std::size_t>(p)]);
    }
    PonerAsientos(a, asientos);
    e.Linea.Extremos = {0, m.Extremo1, m.Extremo2};
    e.JugadorTurno = 4;
    e.JugadorSalida = m.Salida;
    e.FichasMonton = m.FichasMonton;
    e.PasoTurno = 1;
    a.SentidoJuego = Sentido::Directo;
    a.RemanentesMonton = m.RemanentesMonton;
    a.GanadorSiEmpate = m.GanadorSiEmpate;
    a.PuntosQueSeAnotan = m.SeAnotan;
    a.SistemaAnotacion = m.SistemaAnotacion;
}

TEST(BusquedaFinalMano, cuenta_cada_raiz_como_las_candidatas_y_puntua_cada_desenlace)
{
    struct Raiz
    {
        float Porcentaje, Media;
    };
    struct Caso
    {
        const char* Nombre;
        Mesa M;
        std::vector<Raiz> Raices;
        std::uint64_t Desenlaces;
    };
    const auto D = Anotacion::Decenas;
    const auto Sale = Empate::GanaQuienSalio, NoSale = Empate::GanaQuienNoSalio;
    const auto Perdedora = PuntosAnotados::DeLaPerdedora;
    // Pairs: after 6-1 nobody holds a 1 or a 6, and each pair keeps 7 pips: a tie. Individual: 4 pips each.
    const std::array<const char*, 5> parejas = {"", "50", "30", "20", "61 22"},
                                     solos = {"", "", "40", "", "61 22"};
    // clang-format off
    const std::vector<Caso> casos = {
        // 3-3 once; 5-3 at end 2 (joined by 5) and at end 1 (joined by 3). The third leaves a 5 at both ends
        // that nobody holds: the line is closed and seat 4 wins with the fewer pips, scoring everybody's 18.
        {"una ficha doble es una raiz y una ficha de dos extremos son dos", {{"", "", "66", "", "33 53"}, 3, 5}, {{100, 12}, {100, 12}, {100, 18}}, 3},
        {"el domino con la ultima ficha que cabe en los dos extremos cuenta una vez", {{"", "", "43", "", "64 55"}, 3, 6}, {{0, 0}}, 1},
        {"quien no puede poner pasa y sigue el siguiente asiento en juego", {{"", "33", "52 44", "", "65 20"}}, {{100, 14}}, 1},
        {"sin puntos no hay decenas", {{"", "", "00", "", "61 11"}, 6, 6, Empate::SeRepite, PuntosAnotados::DeTodos, D}, {{100, 0}}, 1},
        {"diez puntos son una decena", {{"", "", "55", "", "61 11"}, 6, 6, Empate::SeRepite, PuntosAnotados::DeTodos, D}, {{100, 1}}, 1},
        {"once puntos son dos decenas", {{"", "", "54 20", "", "61 11"}, 6, 6, Empate::SeRepite, PuntosAnotados::DeTodos, D}, {{100, 2}}, 1},
        {"por unidades se anotan los puntos", {{"", "", "54 20", "", "61 11"}}, {{100, 11}}, 1},
        {"empate individual que se repite no cuenta", {solos}, {{0, 0}}, 0},
        {"empate individual lo gana quien salio", {solos, 6, 6, Sale}, {{100, 8}}, 1},
        {"empate individual perdido si salio el otro", {solos, 6, 6, Sale, PuntosAnotados::DeTodos, Anotacion::Unidades, 2}, {{0, 0}}, 1},
        // "The pair that did not lead" means nothing without pairs: the hand is replayed, as the scoring does.
        {"empate individual con la regla de parejas se repite como al anotar", {solos, 6, 6, NoSale}, {{0, 0}}, 0},
        {"empate por parejas que se repite no cuenta", {parejas, 6, 6, Empate::SeRepite, PuntosAnotados::DeTodos, D, 1}, {{0, 0}}, 0},
        {"empate por parejas lo gana la pareja que salio", {parejas, 6, 6, Sale, PuntosAnotados::DeTodos, D, 2}, {{100, 2}}, 1},
        {"empate por parejas perdido si salio la otra", {parejas, 6, 6, Sale, PuntosAnotados::DeTodos, D, 1}, {{0, 0}}, 1},
        {"empate por parejas lo gana la que no salio", {parejas, 6, 6, NoSale, PuntosAnotados::DeTodos, Anotacion::Unidades, 1}, {{100, 14}}, 1},
        {"empate por parejas: solo cuentan los puntos de la perdedora", {parejas, 6, 6, NoSale, Perdedora, Anotacion::Unidades, 1}, {{100, 7}}, 1},
        // After 5-1 nobody holds a 1, but seat 4 still holds a 3 for the other end (the 1s lie in the stock,
        // no longer open): judged by end 1 alone the line would be closed and seat 4 lose on pips; instead
        // seat 2 passes and seat 4 dominoes. The second root lets seat 2 domino.
        {"una linea solo esta cerrada si nadie puede poner en ningun extremo", {{"", "", "20", "", "51 32"}, 5, 3, Empate::SeRepite, PuntosAnotados::DeTodos, D, 4, 4, 4}, {{100, 1}, {0, 0}}, 2},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Nombre);
        EstadoJuego e;
        Ajustes a;
        Montar(c.M, e, a);
        ResultadoFinalMano r;
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
        ASSERT_EQ(inf.Fin, FinBusqueda::Completa);
        ASSERT_EQ(inf.Raices, static_cast<int>(c.Raices.size()));
        EXPECT_EQ(inf.Desenlaces, c.Desenlaces);
        for (std::size_t k = 1; k <= c.Raices.size(); ++k) {
            EXPECT_FLOAT_EQ(r.PorcentajeGanadas[k], c.Raices[k - 1].Porcentaje) << "raiz " << k;
            EXPECT_FLOAT_EQ(r.MediaPuntosGanados[k], c.Raices[k - 1].Media) << "raiz " << k;
        }
    }
}

TEST(BusquedaFinalMano, se_niega_sin_tocar_los_resultados_cuando_no_hay_nada_que_pesar)
{
    struct Caso
    {
        const char* Nombre;
        Mesa M;
        FinBusqueda Fin;
    };
    const Empate R = Empate::SeRepite;
    const PuntosAnotados T = PuntosAnotados::DeTodos;
    const Anotacion U = Anotacion::Unidades;
    const Caso casos[] = {
        {"el que mueve tiene una sola ficha", {{"", "", "40 22", "", "61"}}, FinBusqueda::UnaFicha},
        {"individual y aun se puede robar",
         {{"", "", "40", "", "61 22"}, 6, 6, R, T, U, 4, 3, 2},
         FinBusqueda::MontonAbierto},
        {"por parejas el monton no impide buscar",
         {{"", "50", "30", "20", "61 22"}, 6, 6, R, T, U, 4, 3},
         FinBusqueda::Completa},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Nombre);
        EstadoJuego e;
        Ajustes a;
        Montar(c.M, e, a);
        ResultadoFinalMano r;
        r.PorcentajeGanadas.fill(-7.0f);
        r.MediaPuntosGanados.fill(-7.0f);
        EXPECT_EQ(ExplorarFinalDeMano(e, a, r).Fin, c.Fin);
        const float esperado = c.Fin == FinBusqueda::Completa ? 0.0f : -7.0f;
        EXPECT_EQ(r.PorcentajeGanadas[1], esperado);
        EXPECT_EQ(r.MediaPuntosGanados[1], esperado);
        EXPECT_EQ(r.PorcentajeGanadas[2], -7.0f) << "past the last root nothing is written";
    }
}

} // namespace
} // namespace zp
