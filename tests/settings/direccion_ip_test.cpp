#include "settings/core/direccion_ip.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DireccionIP, cuatro_numeros_de_0_a_255_separados_por_puntos_y_nada_mas)
{
    // Lo tecleado y lo que se guarda; sin guardada, la dirección no vale y queda tal cual.
    const std::pair<const char*, const char*> filas[] = {
        {"192 .168. 1.1", "192.168.1.1"},
        {"0.0.0.0", "0.0.0.0"},
        {"255.255.255.255", "255.255.255.255"},
        {"1.2.3", nullptr},
        {"1.2.3.4.5", nullptr},
        {"1.2.3.256", nullptr},
        {"1..2.3.4", nullptr},
        {"1.2.3.4.", nullptr},
        {".1.2.3.4", nullptr},
        {"a.b.c.d", nullptr},
        {"1.2.3.4x", nullptr},
        {"1.2.3.0004", nullptr},
        {"", nullptr},
    };
    for (const auto& [tecleada, guardada] : filas) {
        const zp::DireccionComprobada d = zp::ComprobarIP(tecleada);
        EXPECT_EQ(d.Direccion, guardada ? guardada : tecleada) << tecleada;
        EXPECT_EQ(d.Valida, guardada != nullptr) << tecleada;
    }
}

} // namespace
