// En un servidor X de verdad: un botón de la botonera pulsado mientras se mueve una ficha y, en la misma
// pausa, el cierre que manda el gestor de ventanas. X entrega los dos como entradas, que la pausa no lee y
// que el programa lee juntas al acabar la jugada: el botón abre su ventana y, cuando se cierra, el programa
// pregunta si sale.
#include "eventos_x.h"
#include "tests/table/cierre_tras_boton.h"

namespace {

struct CierreTrasBotonEnX : prueba::EnX<prueba::CierreTrasBoton>
{
    void CerrarTrasBotonX(zp::Entero boton)
    {
        CerrarTrasBoton(
            boton,
            [](QWidget& w, QPoint p) {
                prueba::PulsarBotonX(w, p);
                prueba::SoltarBotonX(w, p);
            },
            [](zp::mesa& m) {
                prueba::CerrarVentanaX(m);
                // The server has sent back all three before it answers this: they wait in the program's
                // queue together while the move goes on.
                xcb_connection_t* c = prueba::ConexionX();
                std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
            });
    }
};

TEST_F(CierreTrasBotonEnX, cerrar_tras_pulsar_el_marcador_en_una_jugada_pregunta_al_cerrar_la_hoja)
{
    CerrarTrasBotonX(5);
}

TEST_F(CierreTrasBotonEnX, cerrar_tras_pulsar_las_normas_en_una_jugada_pregunta_al_salir_de_ellas)
{
    CerrarTrasBotonX(3);
}

TEST_F(CierreTrasBotonEnX, cerrar_tras_pulsar_personalizar_en_una_jugada_pregunta_al_salir_de_ahi)
{
    CerrarTrasBotonX(2);
}

TEST_F(CierreTrasBotonEnX, cerrar_tras_pulsar_las_estadisticas_en_una_jugada_pregunta_al_cerrarlas)
{
    CerrarTrasBotonX(8);
}

TEST_F(CierreTrasBotonEnX, cerrar_tras_pulsar_nueva_partida_en_una_jugada_pregunta_tras_el_no)
{
    CerrarTrasBotonX(1);
}

} // namespace
