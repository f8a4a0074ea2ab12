// Un botón de la botonera pulsado mientras se mueve una ficha y, en la misma pausa, la ventana cerrada como
// lo pide el escritorio: el botón abre su ventana al acabar la jugada y, cuando se cierra, el programa
// pregunta si sale.
#include "cierre_tras_boton.h"

#include "tests/common/cierre_escritorio.h"

namespace {

struct CierreTrasBotonEnPausa : prueba::CierreTrasBoton
{
    void CerrarTrasBotonEnPausa(zp::Entero boton)
    {
        CerrarTrasBoton(
            boton, [](QWidget& w, QPoint p) { QTest::mouseClick(&w, Qt::LeftButton, {}, p); },
            [](zp::mesa& m) { prueba::PedirCierreDelEscritorio(m); });
    }
};

TEST_F(CierreTrasBotonEnPausa, cerrar_tras_pulsar_el_marcador_en_una_jugada_pregunta_al_cerrar_la_hoja)
{
    CerrarTrasBotonEnPausa(5);
}

TEST_F(CierreTrasBotonEnPausa, cerrar_tras_pulsar_nueva_partida_en_una_jugada_pregunta_tras_el_no)
{
    CerrarTrasBotonEnPausa(1);
}

} // namespace
