// Un cliente de una partida en red, cada ordenador en su proceso con sus pausas de verdad y su persona
// delante, cierra su mesa mientras se dibuja una jugada, como lo pide el escritorio: su persona contesta
// Aceptar a la pregunta de salir, el programa termina y el administrador ve que ese jugador se ha
// desconectado. Lo que le llega con la pregunta abierta (el anuncio de una partida nueva, el corte con el
// administrador) no le quita la salida ni le enseña nada más.
#include "tests/table/ordenadores_en_red.h"

namespace {

using namespace prueba;

constexpr qint64 kHastaReparto = 20000; // the client connected and its first hand dealt
constexpr qint64 kHastaDesconexion = 10000;
constexpr qint64 kHastaPregunta = 20000; // from the close asked to the question open, at a person's pace
constexpr qint64 kHastaAnuncio = 20000;  // from the host's press to the announcement on the client
constexpr qint64 kHastaSalida = 20000;   // from the answer to the program ended

class CierreEnRed : public OrdenadoresEnRed
{
protected:
    // A host and a client at a person's pace; the client's table closed while a move is drawn, and the
    // question to leave left open there.
    void HastaLaPreguntaDeSalir()
    {
        ASSERT_NO_FATAL_FAILURE(ArrancarAdministrador(1, 5));
        ASSERT_NO_FATAL_FAILURE(ArrancarCliente(6));
        OrdenadorEnRed& c = Cliente();
        ASSERT_TRUE(Esperar([&] { return c.Ultima("reparto"); }, kHastaReparto)) << Situacion();
        ASSERT_NO_FATAL_FAILURE(Ritmo("lento"));
        c.Ordenar("sujetar ¿Desea salir del programa");
        c.Ordenar("cerrar");
        ASSERT_TRUE(Esperar(
            [&] {
                return c.Ultima("sujeta", {{"caja", "Salir_del_programa"}});
            },
            kHastaPregunta))
            << Situacion();
    }

    // The person says yes: the program ends by itself, as it does when left.
    void Salir()
    {
        OrdenadorEnRed& c = Cliente();
        c.Ordenar("soltar");
        ASSERT_TRUE(EsperarEn(
            c, [&] { return !c.Vivo(); }, kHastaSalida))
            << "el cliente siguió en marcha tras salir" << Situacion();
        EXPECT_TRUE(c.Acabado());
        EXPECT_TRUE(c.Ultima("salida")) << Situacion();
    }
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
    // The client ends once its person said yes; the host sees it go.
    const bool desconectado = EsperarEn(
        h,
        [&] {
            return h.Ultima("estado", {{"caja", "Jugador_desconectado"}});
        },
        kHastaDesconexion);

    c.Leer();
    EXPECT_FALSE(c.Ultima("estado", {{"caja", "Salir_del_programa"}, {"pausa", "1"}}))
        << "the question opened inside the drawing's pause, deaf to the person";
    EXPECT_TRUE(c.Ultima("estado", {{"caja", "Salir_del_programa"}, {"pausa", "0"}})) << Situacion();
    EXPECT_TRUE(desconectado) << Situacion();
}

TEST_F(CierreEnRed, el_anuncio_de_una_partida_nueva_con_la_pregunta_de_salir_abierta_no_impide_salir)
{
    ASSERT_NO_FATAL_FAILURE(HastaLaPreguntaDeSalir());
    OrdenadorEnRed& c = Cliente();
    ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida());
    ASSERT_TRUE(Esperar([&] { return c.Ultima("anuncio"); }, kHastaAnuncio)) << Situacion();

    ASSERT_NO_FATAL_FAILURE(Salir());
    EXPECT_EQ(c.Cuantas("reparto"), 1u) << "the client dealt the match it was leaving" << Situacion();
}

TEST_F(CierreEnRed, el_administrador_perdido_con_la_pregunta_de_salir_abierta_no_impide_salir_ni_se_avisa)
{
    ASSERT_NO_FATAL_FAILURE(HastaLaPreguntaDeSalir());
    OrdenadorEnRed& c = Cliente();
    Administrador().Matar();
    ASSERT_TRUE(EsperarEn(
        c, [&] { return c.Ultima("administrador"); }, kHastaDesconexion))
        << Situacion();

    c.Leer();
    const qint64 respuesta = reloj.elapsed();
    ASSERT_NO_FATAL_FAILURE(Salir());
    // Once answered, nothing more was shown.
    for (const Linea* l : c.Todas("estado")) {
        const QString caja = l->Campo("caja");
        if (l->t < respuesta) continue;
        EXPECT_TRUE(caja == "-" || caja == "Salir_del_programa") << caja.toStdString();
    }
}

} // namespace
