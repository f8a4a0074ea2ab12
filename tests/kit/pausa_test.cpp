#include "kit/pausa.h"
#include "tests/soporte/reloj_falso.h"

#include <gtest/gtest.h>

namespace {

using zp::prueba::RelojFalso;

struct CasoFactor
{
    zp::Entero velocidad;
    std::int64_t factor; // ten-thousandths
};

TEST(Pausa, el_factor_de_velocidad_redondea_a_cuatro_decimales)
{
    // Out of range, -20 and 300: no absurd pause.
    const CasoFactor casos[] = {
        {0, 79998}, {10, 58322}, {25, 33749}, {40, 17279}, {49, 10611},  {50, 10000}, {51, 9702},
        {60, 7155}, {75, 3536},  {90, 894},   {100, 0},    {-20, 79998}, {300, 0},
    };
    for (const CasoFactor& c : casos)
        EXPECT_EQ(zp::FactorPausa(c.velocidad), c.factor) << "velocidad " << c.velocidad;
}

struct CasoDuracion
{
    zp::Entero ms, velocidad;
    std::uint32_t fin; // first elapsed reading that ends the pause
};

TEST(Pausa, acaba_en_la_primera_lectura_que_pasa_de_ms_por_factor)
{
    const CasoDuracion casos[] = {
        {1500, 50, 1501},                // exactly ms at the middle speed
        {190, 0, 1520},                  // 1519.962: factor 7.9998, not 8
        {190, 100, 1},                   // factor 0: the next millisecond
        {12, 50, 13},     {100, 75, 36}, // 35.36
        {100, 25, 338},                  // 337.49
        {0, 0, 1},        {-5, 50, 0},   // nothing to wait: one reading
    };
    for (const CasoDuracion& c : casos) {
        EXPECT_EQ(zp::DuracionPausa(c.ms, c.velocidad), c.fin) << c.ms << " ms a velocidad " << c.velocidad;
        RelojFalso reloj;
        zp::Pausa pausa(reloj);
        pausa.HacerPausa(c.ms, c.velocidad);
        EXPECT_EQ(reloj.ahora - 5000, c.fin) << c.ms << " ms a velocidad " << c.velocidad;
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
