// En un servidor X de verdad: el gestor de ventanas manda el cierre (Alt+F4) a la ventana que tiene el foco,
// la caja abierta. La del final de un juego lo anota, no lo retrocede, y la salida pregunta después; la
// pregunta de salir sigue abierta hasta que la persona elige.
#include "eventos_x.h"
#include "tests/table/cierre_de_caja.h"

namespace {

using CierreDeCajaEnX = prueba::EnX<prueba::CierreDeCaja>;

TEST_F(CierreDeCajaEnX, cerrar_la_caja_del_final_del_juego_lo_anota_y_luego_se_puede_salir)
{
    CerrarElFinalDelJuego(prueba::CerrarVentanaX);
}

TEST_F(CierreDeCajaEnX, cerrar_la_pregunta_de_salir_no_la_contesta)
{
    CerrarDosVeces(prueba::CerrarVentanaX);
}

} // namespace
