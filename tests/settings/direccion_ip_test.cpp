// Las direcciones de la red tal como se teclean: cuatro números de 0 a 255 separados por puntos, los blancos
// fuera, y nada más.
#include "settings/core/direccion_ip.h"

#include <gtest/gtest.h>

namespace {

TEST(DireccionIP, cuatro_numeros_de_0_a_255_separados_por_puntos_y_nada_mas)
{
    struct Fila
    {
        const char* tecleada;
        bool valida;
        const char* guardada = nullptr; // nada: la tecleada tal cual
    };
    const Fila filas[] = {
        {"192 .168. 1.1", true, "192.168.1.1"},
        {"0.0.0.0", true},
        {"255.255.255.255", true},
        {"1.2.3", false},
        {"1.2.3.4.5", false},
        {"1.2.3.256", false},
        {"1..2.3.4", false},
        {"1.2.3.4.", false},
        {".1.2.3.4", false},
        {"a.b.c.d", false},
        {"1.2.3.4x", false},
        {"1.2.3.0004", false},
        {"", false},
    };
    for (const Fila& f : filas) {
        const zp::DireccionComprobada d = zp::ComprobarIP(f.tecleada);
        EXPECT_EQ(d.Direccion, f.guardada ? f.guardada : f.tecleada) << f.tecleada;
        EXPECT_EQ(d.Valida, f.valida) << f.tecleada;
    }
}

} // namespace
