// The endgame search over seeded corpora of real gate positions: exact against the plain enumerator, the
// node-count signature, the largest positions, and the budget; and the positions it refuses to weigh.
#include <gtest/gtest.h>

#include <tuple>

#include "bench/corpus_final.h"
#include "engine/final_mano.h"
#include "engine/indices.h"
#include "final_referencia.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

// Node count over the benchmark's corpus: changes only when the search's behaviour does.
constexpr std::uint64_t kFirma = 2170405;

TEST(BusquedaFinalCorpus, coincide_con_la_enumeracion_simple_en_cada_configuracion)
{
    const std::vector<corpus::Posicion> posiciones = corpus::GenerarCorpus(400);
    ASSERT_EQ(posiciones.size(), 2000u);
    EstadoJuego e;
    Ajustes a;
    int comparadas = 0;
    for (const corpus::Posicion& p : posiciones) {
        corpus::Cargar(p, e, a);
        ResultadoFinalMano previo;
        previo.PorcentajeGanadas.fill(-1.0f);
        previo.MediaPuntosGanados.fill(-1.0f);
        const prueba::ResultadoReferencia ref = prueba::ExplorarReferencia(e, a, previo, 2'000'000);
        if (!ref.Calculado) continue;
        ++comparadas;
        ResultadoFinalMano r = previo;
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
        ASSERT_EQ(inf.Fin, FinBusqueda::Completa);
        ASSERT_EQ(inf.Raices, ref.Raices)
            << corpus::kConfiguraciones[static_cast<std::size_t>(p.Configuracion)].Nombre << " mano "
            << p.Mano;
        ASSERT_EQ(r.PorcentajeGanadas, ref.Salida.PorcentajeGanadas) << "mano " << p.Mano;
        ASSERT_EQ(r.MediaPuntosGanados, ref.Salida.MediaPuntosGanados) << "mano " << p.Mano;
    }
    EXPECT_GE(comparadas, 1990);
}

TEST(BusquedaFinalCorpus, la_firma_de_nodos_del_corpus_no_cambia)
{
    EstadoJuego e;
    Ajustes a;
    std::uint64_t firma = 0;
    for (const corpus::Posicion& p : corpus::CorpusCompleto()) {
        corpus::Cargar(p, e, a);
        ResultadoFinalMano r;
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
        ASSERT_EQ(inf.Fin, FinBusqueda::Completa) << "mano " << p.Mano;
        firma += inf.PosicionesVisitadas;
    }
    EXPECT_EQ(firma, kFirma);
}

corpus::Posicion Grande(std::size_t i)
{
    const corpus::Referencia g = corpus::kGrandes[i];
    return corpus::PosicionesDeManos(g.Configuracion, g.Mano, g.Mano + 1)
        .at(static_cast<std::size_t>(g.Indice));
}

TEST(BusquedaFinalCorpus, mas_de_32767_desenlaces_bajo_una_raiz_siguen_exactos)
{
    // The largest three-seat positions: one root alone gathers more than a 16-bit total holds.
    for (std::size_t i = 16; i < 20; ++i) {
        SCOPED_TRACE(i);
        EstadoJuego e;
        Ajustes a;
        corpus::Cargar(Grande(i), e, a);
        const prueba::ResultadoReferencia ref = prueba::ExplorarReferencia(e, a, ResultadoFinalMano{});
        ASSERT_TRUE(ref.Calculado);
        std::uint64_t mayor = 0;
        for (const prueba::CuentaRaiz& c : ref.Cuentas) mayor = std::max(mayor, c.Total);
        EXPECT_GT(mayor, 32767u);
        ResultadoFinalMano r;
        ASSERT_EQ(ExplorarFinalDeMano(e, a, r).Fin, FinBusqueda::Completa);
        EXPECT_EQ(r.PorcentajeGanadas, ref.Salida.PorcentajeGanadas);
        EXPECT_EQ(r.MediaPuntosGanados, ref.Salida.MediaPuntosGanados);
    }
}

TEST(BusquedaFinalCorpus,
     la_posicion_mayor_cuenta_mas_de_lo_que_cabe_en_32_bits_y_pasado_el_presupuesto_se_niega)
{
    EstadoJuego e;
    Ajustes a;
    corpus::Cargar(Grande(0), e, a);
    ResultadoFinalMano r;
    r.PorcentajeGanadas.fill(-3.0f);
    r.MediaPuntosGanados.fill(-3.0f);
    const InformeFinalMano corta = ExplorarFinalDeMano(e, a, r, 10'000);
    EXPECT_EQ(corta.Fin, FinBusqueda::FueraDePresupuesto);
    EXPECT_EQ(corta.PosicionesVisitadas, 10'000u);
    EXPECT_EQ(r.PorcentajeGanadas[1], -3.0f);
    EXPECT_EQ(r.MediaPuntosGanados[1], -3.0f);

    // The next search starts afresh: nothing of the abandoned one is remembered as counted.
    const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
    ASSERT_EQ(inf.Fin, FinBusqueda::Completa);
    EXPECT_EQ(inf.Desenlaces, 105721476824u);
    EXPECT_LT(inf.PosicionesVisitadas, kPresupuestoFinal / 4);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(inf.Raices); ++k)
        EXPECT_TRUE(r.PorcentajeGanadas[k] >= 0.0f && r.PorcentajeGanadas[k] <= 100.0f) << k;
}

TEST(BusquedaFinalCorpus, tras_una_vuelta_entera_de_busquedas_se_cuenta_igual_que_la_primera_vez)
{
    // The memory tags what it keeps with the number of its search instead of clearing it, and numbers
    // 32,767 searches before it starts over: nothing kept under a number may be taken for the next search
    // of that number. Here the same two positions get the same numbers a whole round apart.
    EstadoJuego e;
    Ajustes a;
    const corpus::Posicion grande = Grande(20), pequena = corpus::GenerarCorpus(1).front();
    const auto buscar = [&](const corpus::Posicion& p) {
        corpus::Cargar(p, e, a);
        ResultadoFinalMano r;
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, r);
        return std::tuple{inf.PosicionesVisitadas, inf.Desenlaces, r.PorcentajeGanadas, r.MediaPuntosGanados};
    };
    const auto antes = buscar(grande);
    const auto antesPequena = buscar(pequena);
    for (int i = 0; i < 32'765; ++i) buscar(pequena);
    EXPECT_EQ(buscar(grande), antes);
    EXPECT_EQ(buscar(pequena), antesPequena);
}

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
