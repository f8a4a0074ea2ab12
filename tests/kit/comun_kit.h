// Lo que comparten las pruebas del kit: la hoja de dibujos del programa, un reloj que no espera y el entorno
// de la mesa.
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

namespace prueba {

// La mesa de 800 x 600 (710 de mesa), la hoja del programa, sin sonido y con las pausas en el reloj de
// prueba.
class EntornoPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::recursos::RegistrarRecursos(); // the program's own sheet, loaded once by the kit
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        ajustes.Sonido = false;
        zp::EntornoKit& e = zp::Entorno();
        e = zp::EntornoKit{};
        e.AnchoMesa = 710;
        e.AltoPantalla = 600;
        e.AnchoPantalla = 800;
        e.ajustes = &ajustes;
        zp::PausaPrograma().PonerReloj(reloj);
    }
    void TearDown() override
    {
        zp::PausaPrograma().PonerReloj(zp::systemClock());
        zp::Entorno() = zp::EntornoKit{};
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
    }

    zp::Ajustes ajustes;
    zp::prueba::RelojFalso reloj;
};

} // namespace prueba
