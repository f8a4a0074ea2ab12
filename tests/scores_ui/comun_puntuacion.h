// Las ventanas de puntuación en la pantalla de 800 x 600, sin sonido, con el entorno de la mesa limpio.
#pragma once

#include "kit/entorno.h"
#include "platform/virtual_screen.h"

#include <gtest/gtest.h>

namespace prueba {

class VentanaPuntuacion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        ajustes.Sonido = false;
        zp::Entorno() = zp::EntornoKit{};
        zp::Entorno().ajustes = &ajustes;
    }
    void TearDown() override { zp::Entorno() = zp::EntornoKit{}; }

    zp::Ajustes ajustes;
};

} // namespace prueba
