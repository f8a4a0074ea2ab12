// Una mano entera de jugadores automáticos en la ventana de la mesa, con todas sus animaciones (sin
// esperar sus pausas): cada ficha acaba dibujada donde su registro la puso y la ficha móvil queda oculta.
#include "engine/contexto.h"
#include "kit/pausa.h"
#include "platform/virtual_screen.h"
#include "table/linea_mesa.h"
#include "table/mesa.h"
#include "tests/soporte/mano_automatica.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tests/soporte/reloj_falso.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using RelojSinEspera = zp::prueba::RelojFalso;

TEST(ManoAnimada, UnaManoEnteraAcabaConCadaFichaEnSuSitioYNadaMoviendose)
{
    setVirtualScreen(VirtualScreen::fit(QSize(800, 600)));
    MotorSinVentana motor(11);
    motor.a.Sonido = false;
    RelojSinEspera reloj;
    Clock& antes = PausaPrograma().Reloj();
    PausaPrograma().PonerReloj(reloj);
    mesa ventana(motor.e, motor.a);
    ventana.DisponerMesa(motor.pantalla);
    ventana.PintarFondo();
    Contexto c{motor.e,     motor.a,   motor.pantalla, ventana,   motor.usuario,
               motor.ritmo, motor.red, motor.almacen,  motor.azar};
    const ResultadoManoAutomatica r = JugarManoAutomatica(c, c);
    PausaPrograma().PonerReloj(antes);
    ASSERT_TRUE(r.Valida);

    const Entero n = motor.e.NumeroJugada;
    Surface linea = ventana.Marmol();
    LienzoMesa l{linea,   ventana.Marmol(), ventana.Hojas(), motor.e,
                 motor.a, motor.pantalla,   ventana.Estado()};
    DibujarLinea(l, n);
    int fichas = 0;
    for (int i = 1; i <= n; ++i) {
        const RegistroJugada& j = motor.e.Jugadas[std::size_t(i)];
        if (j.Extremo != 1 && j.Extremo != 2) continue;
        ++fichas;
        SCOPED_TRACE(i);
        for (int y = j.YFicha; y < j.YFicha + j.AltoFicha; ++y)
            for (int x = j.XFicha; x < j.XFicha + j.AnchoFicha; ++x)
                ASSERT_EQ(ventana.surface().pixel(x, y), linea.pixel(x, y)) << x << "," << y;
    }
    EXPECT_GT(fichas, 10);
    EXPECT_FALSE(ventana.Ima_Mover.Visible());
    EXPECT_FALSE(ventana.Ima_Paso.Visible());
}

} // namespace
} // namespace zp
