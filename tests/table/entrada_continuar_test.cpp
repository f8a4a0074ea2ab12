// El botón Continuar y las teclas que lo pulsan: acaban la espera del bucle de la partida solo cuando la
// partida espera y la grabadora está apagada; sin pausa entre jugadas el botón se esconde.
#include "comun_mesa.h"

#include "table/entrada_continuar.h"

#include <QTest>

namespace {

struct Continuar : prueba::MesaPrueba
{
    zp::mesa& Esperando(bool pausaEntreJugadas)
    {
        a.Velocidad = 100; // the pressed picture's pause takes no time
        a.PausaEntreJugadas = pausaEntreJugadas;
        Repartir({1, 2, 3, 4}, 7);
        zp::mesa& m = Abrir();
        m.show();
        e.JugadorTurno = 1;
        m.DibujarBotonContinuar(1);
        m.Pic_BotContinuar->show();
        e.EsperaContinuar = true;
        return m;
    }
};

TEST_F(Continuar, pulsar_el_boton_acaba_la_espera_y_sin_pausa_lo_esconde)
{
    for (bool pausa : {false, true}) {
        SCOPED_TRACE(pausa ? "con pausa entre jugadas" : "sin pausa entre jugadas");
        zp::mesa& m = Esperando(pausa);
        QTest::mouseClick(m.Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
        EXPECT_FALSE(e.EsperaContinuar);
        EXPECT_EQ(m.Pic_BotContinuar->isVisible(), pausa);
    }
}

TEST_F(Continuar, el_boton_no_hace_nada_si_no_se_espera_o_con_la_grabadora)
{
    zp::mesa& m = Esperando(false);
    e.GrabadoraActiva = true;
    QTest::mouseClick(m.Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
    EXPECT_TRUE(e.EsperaContinuar);
    EXPECT_TRUE(m.Pic_BotContinuar->isVisible());

    e.GrabadoraActiva = false;
    e.EsperaContinuar = false;
    QTest::mouseClick(m.Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
    EXPECT_TRUE(m.Pic_BotContinuar->isVisible()) << "a press while nothing waits leaves the button";
}

TEST_F(Continuar, una_tecla_pulsa_continuar_salvo_las_reservadas_y_el_turno_remoto)
{
    struct Caso
    {
        const char* nombre;
        char tecla;
        zp::Entero control; // of the seat in turn
        bool enRed;
        bool acaba;
    };
    const Caso casos[] = {
        {"una letra cualquiera", 'x', 2, false, true},
        {"la barra espaciadora", ' ', 1, false, true},
        {"q minimiza la ventana", 'q', 2, false, false},
        {"Q minimiza la ventana", 'Q', 2, false, false},
        {"Escape minimiza la ventana", '\x1b', 2, false, false},
        {"el turno es de otro ordenador", 'x', 3, true, false},
        {"un asiento manual en red", 'x', 1, true, false},
        {"un asiento manual en este ordenador", 'x', 1, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Esperando(false);
        a.Jugador[1].ControlJugador = static_cast<zp::Control>(c.control);
        a.JuegoEnRed = c.enRed;
        zp::Form_KeyPress(m, static_cast<unsigned char>(c.tecla));
        EXPECT_EQ(e.EsperaContinuar, !c.acaba);
        EXPECT_EQ(m.isMinimized(), c.tecla == 'q' || c.tecla == 'Q' || c.tecla == '\x1b');
    }
}

TEST_F(Continuar, la_tecla_llega_a_la_mesa_por_el_teclado)
{
    zp::mesa& m = Esperando(false);
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_FALSE(e.EsperaContinuar);
}

} // namespace
