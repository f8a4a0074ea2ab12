// La portada: centrada en la pantalla y a la vista 1500 ms, sea cual sea la velocidad guardada.
#include "comun_kit.h"

#include "kit/careta.h"

namespace {

using Careta = prueba::EntornoPrueba;

zp::careta* CaretaAbierta()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<zp::careta*>(w)) return c;
    return nullptr;
}

TEST_F(Careta, centrada_en_la_pantalla_y_1500_ms_con_cualquier_velocidad)
{
    for (const auto& [pantalla, guardada, esquina] : {std::tuple{QSize(800, 600), 0, QPoint(198, 206)},
                                                      std::tuple{QSize(1000, 800), 100, QPoint(298, 306)},
                                                      std::tuple{QSize(1000, 1000), 50, QPoint(298, 406)}}) {
        SCOPED_TRACE(guardada);
        zp::setVirtualScreen(zp::VirtualScreen::fit(pantalla));
        zp::prueba::RelojFalso mira; // in the pause, where the cover is and whether it shows
        QRect sitio;
        mira.alPausar = [&] {
            if (zp::careta* abierta = CaretaAbierta(); abierta && abierta->isVisible())
                sitio = abierta->logicalGeometry();
        };
        zp::Pausa pausa(mira);
        zp::Entero velocidad = zp::Entero(guardada);
        zp::MostrarCareta(velocidad, pausa);
        EXPECT_EQ(velocidad, 50);
        EXPECT_EQ(mira.Duraciones(), std::vector<std::uint32_t>{zp::DuracionPausa(1500, 50)});
        EXPECT_EQ(sitio, QRect(esquina, QSize(404, 188)));
        EXPECT_EQ(CaretaAbierta(), nullptr);
    }
}

} // namespace
