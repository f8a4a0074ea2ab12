// En un servidor X de verdad: las pausas no atienden la entrada, pero cada paso de una ficha que viaja
// llega a la pantalla mientras dura su pausa.
#include "common/contador_pintadas.h"
#include "engine/pantalla.h"
#include "platform/virtual_screen.h"
#include "table/animaciones.h"
#include "table/efectos_mano.h"
#include "table/mesa.h"
#include "tests/table/comun_mesa.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace zp {
namespace {

struct VentanaVisual : ::testing::Test
{
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
        setVirtualScreen(VirtualScreen::fit(QSize(800, 600)));
        a.Sonido = false;
        a.Velocidad = 50; // 12 ms a step
        ventana = std::make_unique<mesa>(e, a);
        ventana->DisponerMesa(MedirPantalla(800, 600));
        ventana->PintarFondo();
        ventana->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
        QTest::qWait(50);
    }

    // The screen's pixel at a point of the table.
    QRgb Pantalla(const QImage& captura, QPoint mesaPunto) const
    {
        const QPoint p =
            ventana->mapToGlobal(virtualScreen().toReal(QRect(mesaPunto, QSize(1, 1))).topLeft());
        return captura.pixel(p) | 0xFF000000u;
    }

    EstadoJuego e;
    Ajustes a;
    std::unique_ptr<mesa> ventana;
};

TEST_F(VentanaVisual, cada_paso_de_una_ficha_que_viaja_se_ve_durante_su_pausa)
{
    RegistroJugada& j = e.Jugadas[1];
    j = ::prueba::FichaCentral();
    prueba::ContadorPintadas contador(*ventana);

    // Grabbed from a timer: a pause shows paint events and timers, never input.
    struct Captura
    {
        QRect sitio;
        QImage pantalla;
    };
    std::vector<Captura> capturas;
    QTimer reloj;
    reloj.setInterval(17);
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        if (!ventana->Ima_Mover.Visible()) return;
        capturas.push_back(
            {ventana->Ima_Mover.Rectangulo(), QGuiApplication::primaryScreen()->grabWindow(0).toImage()});
    });
    reloj.start();
    LienzoMesa l = ventana->Lienzo();
    RecorridoFicha r{100, 500, 356, 262};
    MoverFicha(EscenaMesa{l, *ventana}, ventana->Ima_Mover, r, 1, kAdelante);
    reloj.stop();

    EXPECT_GE(contador.pintadas, 32); // one paint at least per step
    ASSERT_GE(capturas.size(), 10u);
    // In each grab the moving tile's face is on the screen where the picture stood at that moment.
    const QImage& dibujo = ventana->Ima_Mover.Dibujo();
    const QPoint cara(20, 20);
    const QRgb color = dibujo.pixel(cara) | 0xFF000000u;
    int vistas = 0;
    std::set<std::pair<int, int>> sitios;
    for (const Captura& c : capturas) {
        if (Pantalla(c.pantalla, c.sitio.topLeft() + cara) == color) {
            ++vistas;
            sitios.insert({c.sitio.x(), c.sitio.y()});
        }
    }
    EXPECT_GE(vistas, int(capturas.size()) * 9 / 10) << vistas << " de " << capturas.size();
    EXPECT_GE(sitios.size(), 10u); // seen at many places along the way, not only at its ends
}

TEST_F(VentanaVisual, la_senal_de_paso_se_ve_mientras_suena_y_durante_su_pausa)
{
    std::vector<bool> vista;
    QTimer reloj;
    reloj.setInterval(20);
    const QRgb cara = ventana->Ima_Paso.Dibujo().pixel(16, 16) | 0xFF000000u;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        const QImage captura = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QPoint centro = ventana->Ima_Paso.Rectangulo().topLeft() + QPoint(16, 16);
        if (ventana->Ima_Paso.Visible()) vista.push_back(Pantalla(captura, centro) == cara);
    });
    reloj.start();
    LienzoMesa l = ventana->Lienzo();
    a.Sonido = true; // a synchronous sound waits its length even without a sound device
    MostrarPaso(EscenaMesa{l, *ventana}, ventana->Ima_Paso, 4);
    reloj.stop();
    ASSERT_GE(vista.size(), 8u); // 2 x (168 ms of sound + 180 ms) at 20 ms a grab
    EXPECT_GE(std::count(vista.begin(), vista.end(), true), std::ptrdiff_t(vista.size()) * 9 / 10);
}

} // namespace
} // namespace zp
