// Un cliente de una partida en red, cada ordenador en su proceso con sus pausas de verdad y su persona
// delante, cierra su mesa mientras se dibuja una jugada, como lo pide el escritorio: su persona contesta
// Aceptar a la pregunta de salir, la conexión se corta, y el administrador ve que ese jugador se ha
// desconectado.
#include "tests/table/ordenadores_en_red.h"

namespace {

using namespace prueba;

constexpr qint64 kHastaReparto = 20000; // the client connected and its first hand dealt
constexpr qint64 kHastaDesconexion = 10000;

class CierreEnRed : public OrdenadoresEnRed
{
};

TEST_F(CierreEnRed, un_cliente_cerrado_mientras_se_dibuja_una_jugada_sale_y_el_administrador_lo_ve_irse)
{
    ASSERT_NO_FATAL_FAILURE(ArrancarAdministrador(1, 5));
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(6));
    OrdenadorEnRed& h = Administrador();
    OrdenadorEnRed& c = Cliente();
    ASSERT_TRUE(Esperar([&] { return c.Ultima("reparto"); }, kHastaReparto)) << Situacion();
    // At a person's pace, so that a move takes a while to draw.
    ASSERT_NO_FATAL_FAILURE(Ritmo("lento"));

    c.Ordenar("cerrar");
    ASSERT_TRUE(Esperar(
        [&] {
            return c.Ultima("cerrar", {{"resto", "pedido"}});
        },
        kHastaDesconexion))
        << Situacion();
    const bool desconectado = Esperar(
        [&] {
            return h.Ultima("estado", {{"caja", "Jugador_desconectado"}});
        },
        kHastaDesconexion);

    EXPECT_FALSE(c.Ultima("estado", {{"caja", "Salir_del_programa"}, {"pausa", "1"}}))
        << "the question opened inside the drawing's pause, deaf to the person";
    EXPECT_TRUE(c.Ultima("estado", {{"caja", "Salir_del_programa"}, {"pausa", "0"}})) << Situacion();
    EXPECT_TRUE(desconectado) << Situacion();
}

} // namespace
