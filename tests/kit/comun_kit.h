// Lo que comparten las pruebas del kit: una hoja de dibujos con los mismos rectángulos que la del programa,
// en la que cada píxel tiene su propio color, un reloj que no espera y el entorno de la mesa.
#pragma once

#include "assets/recursos.h"
#include "kit/entorno.h"
#include "kit/pausa.h"
#include "platform/clock.h"
#include "platform/surface.h"
#include "platform/virtual_screen.h"
#include "tests/soporte/reloj_falso.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <vector>

namespace prueba {

// Cada píxel de la hoja dice de dónde viene: rojo = x mod 256, verde = y, azul = 0x40 + x div 256.
inline zp::Surface HojaDePrueba()
{
    const auto& h = zp::recursos::bmpvario::Hoja;
    zp::Surface hoja(h.ancho, h.alto);
    for (int y = 0; y < h.alto; ++y)
        for (int x = 0; x < h.ancho; ++x) hoja.fillRect(x, y, 1, 1, qRgb(x & 0xFF, y, 0x40 + (x >> 8)));
    return hoja;
}

using RelojPrueba = zp::prueba::RelojFalso;

// La mesa de 800 x 600 (710 de mesa), la hoja de prueba, sin sonido y con las pausas en el reloj de prueba.
class EntornoPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        ajustes.Sonido = false;
        zp::EntornoKit& e = zp::Entorno();
        e = zp::EntornoKit{};
        e.AnchoMesa = 710;
        e.AltoPantalla = 600;
        e.AnchoPantalla = 800;
        e.BmpVario = &hoja;
        e.ajustes = &ajustes;
        zp::PausaPrograma().PonerReloj(reloj);
    }
    void TearDown() override
    {
        zp::PausaPrograma().PonerReloj(zp::systemClock());
        zp::Entorno() = zp::EntornoKit{};
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
    }

    // El píxel de la hoja en (x, y).
    QRgb Hoja(int x, int y) const { return hoja.pixel(x, y); }

    // true si el bloque w x h de `s` en (dx, dy) es el de la hoja en (sx, sy).
    ::testing::AssertionResult BloqueDeHoja(const zp::Surface& s, int dx, int dy, int w, int h, int sx,
                                            int sy) const
    {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                if (s.pixel(dx + i, dy + j) != hoja.pixel(sx + i, sy + j))
                    return ::testing::AssertionFailure()
                           << "distinto en (" << dx + i << ", " << dy + j << ")";
        return ::testing::AssertionSuccess();
    }

    zp::Surface hoja = HojaDePrueba();
    zp::Ajustes ajustes;
    RelojPrueba reloj;
};

} // namespace prueba
