// Las fichas que la persona mueve con el ratón: girar y reordenar las de una mano descubierta, y en el
// reparto a mano llevar las de la rejilla a las manos y devolverlas.
#include "comun_mesa.h"

#include "engine/reparto_manual.h"
#include "kit/cursores.h"
#include "table/entrada_mesa.h"

#include <QTest>

namespace {

using Mano = std::vector<std::pair<zp::Entero, zp::Entero>>;

// La mano de abajo (asiento 4) en 800 x 600 es holgada: fichas grandes de x 205 + 44 (n - 1), 36 px de ancho.
int XFicha(int hueco)
{
    return 205 + 44 * (hueco - 1) + 18;
}
constexpr int kYAbajo = 550;

struct Arrastre : prueba::MesaPrueba
{
    // Juega el ordenador (asiento 3); la persona tiene 3-0, 2-2, 2-1, 2-0, 1-1, 1-0, 0-0 descubiertas.
    zp::mesa& Mesa()
    {
        a.Velocidad = 100;
        Repartir({1, 2, 3, 4}, 7);
        zp::mesa& m = Abrir();
        m.show();
        QTest::mouseMove(&m, {400, 300}); // brings the pointer in
        e.JugadorTurno = 3;
        return m;
    }
    Mano ManoAbajo() const
    {
        Mano r;
        for (int s = 1; s <= 7; ++s)
            r.push_back({e.Manos[4][std::size_t(s)].PuntoA, e.Manos[4][std::size_t(s)].PuntoB});
        return r;
    }
};

TEST_F(Arrastre, girar_una_ficha_cambia_sus_puntos_de_sitio)
{
    zp::mesa& m = Mesa();
    zp::CambiarModoMano(e, m.Entrada, false);
    QTest::mouseMove(&m, {XFicha(3), kYAbajo});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("girar"));
    QTest::mouseClick(&m, Qt::LeftButton, {}, {XFicha(3), kYAbajo});
    EXPECT_EQ(e.Manos[4][3].PuntoA, 1);
    EXPECT_EQ(e.Manos[4][3].PuntoB, 2);
}

TEST_F(Arrastre, reordenar_pone_la_ficha_antes_de_la_que_queda_debajo_o_al_final)
{
    const std::pair<zp::Entero, zp::Entero> A{3, 0}, B{2, 2}, C{2, 1}, D{2, 0}, E{1, 1}, F{1, 0}, G{0, 0};
    struct Caso
    {
        const char* nombre;
        int desde;
        int xSoltar; // the drop probe lies 16 px right of the pointer
        Mano queda;
    };
    const Caso casos[] = {
        {"B sobre D", 2, 340, {A, C, B, D, E, F, G}},
        {"D sobre B", 4, 244, {A, D, B, C, E, F, G}},
        {"B pasada la última", 2, 560, {A, C, D, E, F, G, B}},
        {"B en su sitio", 2, XFicha(2), {A, B, C, D, E, F, G}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Mesa();
        zp::CambiarModoMano(e, m.Entrada, true);
        const QPoint alzar(XFicha(c.desde), kYAbajo);
        QTest::mouseMove(&m, alzar);
        EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("ordenar"));
        QTest::mousePress(&m, Qt::LeftButton, {}, alzar);
        EXPECT_TRUE(m.Pic_Mover->isVisible());
        EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manocerrada"));
        QTest::mouseMove(&m, {c.xSoltar, kYAbajo});
        QTest::mouseRelease(&m, Qt::LeftButton, {}, {c.xSoltar, kYAbajo});
        EXPECT_FALSE(m.Pic_Mover->isVisible());
        EXPECT_EQ(ManoAbajo(), c.queda);
        for (int s = 1; s <= 7; ++s) EXPECT_EQ(e.Manos[4][std::size_t(s)].Estado, zp::kEnMano);
    }
}

TEST_F(Arrastre, una_tecla_no_sigue_la_partida_con_una_ficha_en_el_aire)
{
    zp::mesa& m = Mesa();
    e.JugadorTurno = 4;
    a.Jugador[4].ControlJugador = zp::Control::Automatico;
    e.EsperaContinuar = true;
    zp::CambiarModoMano(e, m.Entrada, true);
    QTest::mouseMove(&m, {XFicha(2), kYAbajo});
    QTest::mousePress(&m, Qt::LeftButton, {}, {XFicha(2), kYAbajo});
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_TRUE(e.EsperaContinuar);
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {XFicha(2), kYAbajo});
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_FALSE(e.EsperaContinuar);
}

// El reparto a mano con los asientos 2 y 4: la rejilla empieza en (273, 109); la mano de arriba ya está
// llena y la de abajo vacía.
struct Reparto : Arrastre
{
    zp::mesa& Repartiendo()
    {
        a.Velocidad = 100;
        Repartir({2, 4}, 7);
        e.ManoEnCurso = false;
        zp::mesa& m = Abrir();
        m.show();
        QTest::mouseMove(&m, {400, 300});
        for (int s = 1; s <= 7; ++s) e.Manos[4][std::size_t(s)].Estado = zp::kVacio;
        e.FichasEnMano[4] = 0;
        e.RepartoEnCurso = true;
        e.FichasReparto = 7;
        e.AsientoReparto = {false, false, true, false, true};
        zp::CalcularOrigenRejilla(e, m.Medidas());
        m.DibujarFichaDescubierta(3, 1); // the only tile left on the grid
        m.DibujarMano(2);
        m.DibujarMano(4);
        return m;
    }
    static constexpr QPoint kFicha31{273 + 39 + 8, 109 + 150 + 10};
};

TEST_F(Reparto, una_ficha_de_la_rejilla_entra_en_la_primera_mano_con_sitio)
{
    zp::mesa& m = Repartiendo();
    QTest::mouseMove(&m, kFicha31);
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("ordenar"));
    QTest::mousePress(&m, Qt::LeftButton, {}, kFicha31);
    EXPECT_TRUE(m.Pic_Mover->isVisible());
    EXPECT_EQ(Pixel(273 + 39 + 5, 109 + 150 + 5), Marmol(273 + 39 + 5, 109 + 150 + 5)) << "the cell is bare";

    QTest::mouseMove(&m, {300, 20}); // the top hand is full
    EXPECT_TRUE(m.Pic_Mover->isVisible());
    EXPECT_EQ(e.FichasEnMano[2], 7);
    QTest::mouseMove(&m, {300, 580});
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    EXPECT_EQ(e.FichasEnMano[4], 1);
    EXPECT_EQ(e.Manos[4][1].PuntoA, 3);
    EXPECT_EQ(e.Manos[4][1].PuntoB, 1);
    EXPECT_FALSE(e.RejillaReparto[3][1]);
    EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroNormal);
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {300, 580});

    // And back to the grid from the hand.
    QTest::mouseMove(&m, {210, 580});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manoverde"));
    QTest::mouseClick(&m, Qt::LeftButton, {}, {210, 580});
    EXPECT_EQ(e.FichasEnMano[4], 0);
    EXPECT_EQ(e.Manos[4][1].Estado, zp::kVacio);
    EXPECT_TRUE(e.RejillaReparto[3][1]);
    EXPECT_FALSE(e.JugadaElegida);
}

TEST_F(Reparto, soltada_sobre_la_mesa_la_ficha_vuelve_a_su_casilla)
{
    zp::mesa& m = Repartiendo();
    QTest::mouseMove(&m, kFicha31);
    QTest::mousePress(&m, Qt::LeftButton, {}, kFicha31);
    QTest::mouseMove(&m, {450, 300});
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {450, 300});
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    EXPECT_TRUE(e.RejillaReparto[3][1]);
    EXPECT_NE(Pixel(273 + 39 + 5, 109 + 150 + 5), Marmol(273 + 39 + 5, 109 + 150 + 5)) << "the tile is back";
    EXPECT_EQ(e.FichasEnMano[4], 0);
}

TEST_F(Reparto, un_modo_de_mano_encendido_no_alza_una_ficha_de_la_mano)
{
    a.Jugador[2].FichasJugador =
        zp::VistaFichas::Visibles; // the top hand face up, so that it could be reordered
    zp::mesa& m = Repartiendo();
    zp::CambiarModoMano(e, m.Entrada, true);
    QTest::mouseMove(&m, kFicha31);
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("ordenar")) << "the deal's zones come first";
    QTest::mouseMove(&m, {300, 20});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manoverde"));
    QTest::mouseClick(&m, Qt::LeftButton, {}, {300, 20});
    EXPECT_FALSE(m.Estado().ArrastreOrden);
    EXPECT_FALSE(m.Entrada.ArrastreReparto);
    EXPECT_EQ(e.FichasEnMano[2], 6) << "the tile went back to the grid";
}

} // namespace
