// El montón: dos filas de fichas boca abajo en el lado del primer asiento fuera de juego (3, 1, 2; abajo si
// juegan los cuatro); la última dibujada es la que se roba.
#include "comun_mesa.h"

#include "common/imagen_referencia.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_monton.h"

#include <QScreen>
#include <QTest>

namespace {

using Monton = prueba::MesaPrueba;

// Una ficha pequeña boca abajo: negra, con su canto blanco abajo y, en los lados, hacia el borde.
bool FichaBocaAbajo(const zp::Surface& s, int x, int y, int w, int h)
{
    return s.pixel(x + w / 2, y + h / 2) == qRgb(0, 0, 0) &&
           s.pixel(x + w / 2, y + h - 1) == qRgb(255, 255, 255);
}

TEST_F(Monton, lado_rectangulo_y_ficha_que_se_roba)
{
    struct Caso
    {
        std::vector<zp::Entero> asientos;
        int robadas;
        zp::Entero lado;
        QRect zona;
        QPoint ultima;
        bool dePie;
    };
    const Caso casos[] = {
        {{1, 2, 4}, 0, 3, {657, 201, 51, 199}, {687, 357}, true},
        {{1, 2, 4}, 1, 3, {657, 201, 51, 199}, {657, 305}, true},
        {{2, 4}, 0, 3, {657, 123, 51, 355}, {657, 435}, true},
        {{2, 3, 4}, 0, 1, {1, 201, 51, 199}, {1, 357}, true},
        {{1, 3, 4}, 0, 2, {256, 1, 199, 51}, {412, 1}, false},
        {{1, 4}, 0, 3, {657, 123, 51, 355}, {657, 435}, true}, // sin el 3, a la derecha aunque falten más
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "asientos " << c.asientos.size() << " lado " << c.lado);
        Repartir(c.asientos, 7);
        e.FichasMonton = zp::Entero(e.FichasMonton - c.robadas);
        zp::mesa& m = Abrir();
        m.DibujarMonton();
        const zp::EstadoMesa& em = m.Estado();
        EXPECT_EQ(em.LadoMonton, c.lado);
        EXPECT_EQ(e.Colocacion.XFichaRobada, c.ultima.x());
        EXPECT_EQ(e.Colocacion.YFichaRobada, c.ultima.y());
        const int w = c.dePie ? 20 : 42, h = c.dePie ? 42 : 21;
        EXPECT_TRUE(FichaBocaAbajo(m.surface(), c.ultima.x(), c.ultima.y(), w, h));
        // El rectángulo del montón queda en mármol salvo las fichas; fuera de él, nada se tocó.
        zp::LienzoMesa l = m.Lienzo();
        zp::CalcularDisposicionMonton(l);
        EXPECT_EQ(QRect(em.ZonaX, em.ZonaY, em.ZonaAncho, em.ZonaAlto), c.zona);
    }
}

TEST_F(Monton, la_ficha_robada_deja_su_hueco_en_marmol)
{
    Repartir({1, 2, 4}, 7);
    zp::mesa& m = Abrir();
    m.DibujarMonton();
    e.FichasMonton = 6;
    m.DibujarMonton();
    EXPECT_EQ(Pixel(687 + 10, 357 + 21), Marmol(687 + 10, 357 + 21));
    EXPECT_TRUE(FichaBocaAbajo(m.surface(), 657, 305, 20, 42));
}

TEST_F(Monton, sin_fichas_que_sobren_no_se_dibuja_ni_se_borra_nada)
{
    Repartir({1, 2, 3, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    zp::mesa& m = Abrir();
    m.RedibujarMesa();
    const QImage antes = m.surface().image();
    m.DibujarMonton();
    EXPECT_EQ(m.surface().image(), antes);
}

TEST_F(Monton, en_pantalla_escalada_la_ficha_que_parpadea_no_deja_rastro)
{
    // 640 x 480: the 800 x 600 table at 0.8. Three players with nine tiles leave one in the stock; while
    // it blinks before a draw, its place is wiped and shown again.
    zp::setVirtualScreen(zp::VirtualScreen::switched(QSize(640, 480)));
    Repartir({1, 2, 4}, 9);
    zp::mesa& m = Abrir();
    m.setLogicalGeometry(QRect(0, 0, 800, 600));
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    m.DibujarMonton();
    const QRect ficha(e.Colocacion.XFichaRobada, e.Colocacion.YFichaRobada, 20, 42);
    zp::LienzoMesa l = m.Lienzo();
    zp::Borrar(l, ficha.x(), ficha.y(), ficha.width(), ficha.height());
    m.refresh(ficha);
    const QRect alrededor = zp::virtualScreen().toRealOnScreen(ficha.adjusted(-12, -12, 12, 12));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(m.screen()->grabWindow(0).toImage().copy(alrededor),
                                              "monton_escalado_ficha_borrada"));
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
}

TEST_F(Monton, con_los_ajustes_abiertos_conserva_su_lado)
{
    Repartir({1, 2, 4}, 7);
    zp::mesa& m = Abrir();
    m.DibujarMonton();
    m.Estado().PersonalAbierto = true;
    a.Jugador[3].EstadoJugador = zp::EstadoAsiento::Activado; // el asiento 3 vuelve al juego mientras tanto
    a.Jugador[1].EstadoJugador = zp::EstadoAsiento::Desactivado;
    m.DibujarMonton();
    EXPECT_EQ(m.Estado().LadoMonton, 3);
    m.Estado().PersonalAbierto = false;
    m.DibujarMonton();
    EXPECT_EQ(m.Estado().LadoMonton, 1);
}

TEST_F(Monton, ficha_boca_abajo_con_su_canto_hacia_el_borde)
{
    struct Caso
    {
        zp::Entero asiento, orientacion;
        QPoint blanco, negro, marmol;
    };
    // Desde la esquina (100, 100).
    const Caso casos[] = {
        {1, 1, {141, 101}, {100, 101}, {100, 100}}, // canto derecho blanco
        {3, 1, {100, 101}, {141, 101}, {141, 120}}, // canto izquierdo blanco
        {2, 2, {110, 141}, {100, 101}, {119, 141}}, // de pie: solo abajo
        {4, 1, {120, 120}, {141, 101}, {141, 100}},
    };
    for (const Caso& c : casos) {
        Abrir();
        zp::Surface& s = ventana->surface();
        const QSize t = zp::DibujarMarcoFicha(s, c.asiento, 100, 100, c.orientacion);
        EXPECT_EQ(t, c.orientacion == 1 ? QSize(42, 21) : QSize(20, 42));
        EXPECT_EQ(s.pixel(c.blanco.x(), c.blanco.y()), qRgb(255, 255, 255)) << c.asiento;
        EXPECT_EQ(s.pixel(c.negro.x(), c.negro.y()), qRgb(0, 0, 0)) << c.asiento;
        EXPECT_EQ(s.pixel(c.marmol.x(), c.marmol.y()), Marmol(c.marmol.x(), c.marmol.y())) << c.asiento;
    }
}

} // namespace
