// El cierre del escritorio dado a la caja abierta: la del final de un juego lo anota y la pregunta de salir
// sigue abierta.
#include "cierre_de_caja.h"

#include "tests/common/cierre_escritorio.h"

namespace {

void PedirCierre(QWidget& w)
{
    prueba::PedirCierreDelEscritorio(w);
}

using CierreDeCajaEnPantalla = prueba::CierreDeCaja;

TEST_F(CierreDeCajaEnPantalla, cerrar_la_caja_del_final_del_juego_lo_anota_y_luego_se_puede_salir)
{
    CerrarElFinalDelJuego(PedirCierre);
}

TEST_F(CierreDeCajaEnPantalla, cerrar_la_pregunta_de_salir_no_la_contesta)
{
    CerrarDosVeces(PedirCierre);
}

} // namespace
