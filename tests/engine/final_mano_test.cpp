// When the endgame search refuses to weigh a position; what it counts is checked over the corpus.
#include <gtest/gtest.h>

#include "engine/final_mano.h"
#include "engine/indices.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

TEST(BusquedaFinalMano, se_niega_sin_tocar_los_resultados_cuando_no_hay_nada_que_pesar)
{
    // Seat 4 moves on ends 6 and 6; the seats' hands (an empty one is out of play), the stock and its
    // reserve.
    const std::tuple<const char*, std::array<const char*, 5>, Entero, Entero, FinBusqueda> casos[] = {
        {"el que mueve tiene una sola ficha", {"", "", "40 22", "", "61"}, 0, 0, FinBusqueda::UnaFicha},
        {"individual y aun se puede robar", {"", "", "40", "", "61 22"}, 3, 2, FinBusqueda::MontonAbierto},
        {"por parejas el monton no impide buscar",
         {"", "50", "30", "20", "61 22"},
         3,
         0,
         FinBusqueda::Completa},
    };
    for (const auto& [nombre, manos, monton, reserva, fin] : casos) {
        SCOPED_TRACE(nombre);
        EstadoJuego e;
        Ajustes a;
        std::string asientos;
        for (Entero p = 1; p <= 4; ++p) {
            if (*manos[I(p)] == '\0') continue;
            asientos += char('0' + p);
            DarFichas(e, p, "00", kPuesta);
            DarFichas(e, p, manos[I(p)]);
        }
        PonerAsientos(a, asientos);
        e.Linea.Extremos = {0, 6, 6};
        e.JugadorTurno = e.JugadorSalida = 4;
        e.PasoTurno = 1;
        e.FichasMonton = monton;
        a.RemanentesMonton = reserva;
        ResultadoFinalMano r;
        r.PorcentajeGanadas.fill(-7.0f);
        r.MediaPuntosGanados.fill(-7.0f);
        EXPECT_EQ(ExplorarFinalDeMano(e, a, r).Fin, fin);
        const float esperado = fin == FinBusqueda::Completa ? 0.0f : -7.0f;
        EXPECT_EQ(r.PorcentajeGanadas[1], esperado);
        EXPECT_EQ(r.MediaPuntosGanados[1], esperado);
        EXPECT_EQ(r.PorcentajeGanadas[2], -7.0f) << "past the last root nothing is written";
    }
}

} // namespace
} // namespace zp
