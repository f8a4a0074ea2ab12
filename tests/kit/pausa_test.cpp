#include "kit/pausa.h"
#include "tests/soporte/reloj_falso.h"

#include <gtest/gtest.h>

namespace {

using zp::prueba::RelojFalso;

TEST(Pausa, el_factor_de_velocidad_redondea_a_cuatro_decimales)
{
    // Speed and factor in ten-thousandths; out of range, -20 and 300 give no absurd pause.
    const std::pair<zp::Entero, std::int64_t> casos[] = {
        {0, 79998}, {10, 58322}, {25, 33749}, {40, 17279}, {49, 10611},  {50, 10000}, {51, 9702},
        {60, 7155}, {75, 3536},  {90, 894},   {100, 0},    {-20, 79998}, {300, 0},
    };
    for (const auto& [velocidad, factor] : casos) EXPECT_EQ(zp::FactorPausa(velocidad), factor) << velocidad;
}

TEST(Pausa, acaba_en_la_primera_lectura_que_pasa_de_ms_por_factor)
{
    // ms, speed, first reading that ends it
    const std::tuple<zp::Entero, zp::Entero, std::uint32_t> casos[] = {
        {1500, 50, 1501},                // exactly ms at the middle speed
        {190, 0, 1520},                  // 1519.962: factor 7.9998, not 8
        {190, 100, 1},                   // factor 0: the next millisecond
        {12, 50, 13},     {100, 75, 36}, // 35.36
        {100, 25, 338},                  // 337.49
        {0, 0, 1},        {-5, 50, 0},   // nothing to wait: one reading
    };
    for (const auto& [ms, velocidad, fin] : casos) {
        SCOPED_TRACE(testing::Message() << ms << " ms a velocidad " << velocidad);
        EXPECT_EQ(zp::DuracionPausa(ms, velocidad), fin);
        RelojFalso reloj;
        zp::Pausa pausa(reloj);
        pausa.HacerPausa(ms, velocidad);
        EXPECT_EQ(reloj.ahora - 5000, fin);
    }
}

TEST(Pausa, cuenta_desde_el_inicio_marcado_y_lo_deja_a_cero)
{
    RelojFalso reloj;
    zp::Pausa pausa(reloj);
    // An animation stamps the start, then draws for 30 ms: the step still lasts 100 ms in all.
    pausa.MarcarInicioPausa();
    EXPECT_EQ(pausa.InicioPausa, 5000);
    reloj.ahora += 30;
    pausa.HacerPausa(100, 50);
    EXPECT_EQ(reloj.ahora, 5101u);
    EXPECT_EQ(pausa.InicioPausa, 0);

    // Without a stamp it counts from its own start.
    pausa.HacerPausa(100, 50);
    EXPECT_EQ(reloj.esperas.back().inicio, 5101u);
    EXPECT_EQ(reloj.ahora, 5202u);
    EXPECT_EQ(pausa.InicioPausa, 0);

    // A stamp older than the pause: it ends at once.
    pausa.InicioPausa = 4000;
    pausa.HacerPausa(100, 50);
    EXPECT_EQ(reloj.ahora, 5202u);
    EXPECT_EQ(pausa.InicioPausa, 0);
}

TEST(Pausa, una_pausa_que_cruza_la_vuelta_del_reloj_dura_lo_normal)
{
    for (std::uint32_t inicio : {0xFFFFFF00u, 0x7FFFFFF0u}) {
        RelojFalso reloj;
        reloj.ahora = inicio;
        zp::Pausa pausa(reloj);
        pausa.HacerPausa(300, 50);
        EXPECT_EQ(std::uint32_t(reloj.ahora - inicio), 301u);
        EXPECT_EQ(std::int32_t(reloj.esperas.back().inicio), std::int32_t(inicio));
    }
}

} // namespace
