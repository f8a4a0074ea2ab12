// La pausa silenciosa del reloj de verdad: dura su plazo aunque la cuenta de 32 bits dé la vuelta, acaba sin
// más si su inicio ya pasó, y mientras dura muestra lo que haya que pintar pero guarda los clics y los datos
// de la red para después.
#include "common/contador_pintadas.h"
#include "platform/clock.h"
#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(PausaSilenciosa, termina_pasado_el_plazo_aunque_el_reloj_de_la_vuelta)
{
    // Where the 32-bit count stands when the pause starts: anywhere, just before 2^32, just before 2^31.
    for (std::uint32_t desplazamiento : {0u, 0u - 40u, 0x7FFFFFFFu - 40u}) {
        zp::SystemClock reloj(desplazamiento - zp::clockMs());
        const std::uint32_t inicio = reloj.now();
        reloj.pauseUntil(inicio, 80);
        EXPECT_GE(std::uint32_t(reloj.now() - inicio), 80u) << desplazamiento;
    }
}

TEST(PausaSilenciosa, un_inicio_ya_vencido_acaba_sin_atender_nada)
{
    zp::SystemClock reloj;
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    const std::uint32_t ahora = reloj.now();
    reloj.pauseUntil(ahora - 500, 100);
    reloj.pauseUntil(ahora, 0);
    EXPECT_FALSE(atendido) << "no quiet loop ran";
    QCoreApplication::processEvents();
}

TEST(PausaSilenciosa, muestra_lo_pendiente_pero_no_entrega_el_clic_hasta_despues)
{
    zp::PictureBox caja;
    zp::prueba::ContadorPintadas contador(caja);
    caja.setLogicalGeometry(QRect(0, 0, 60, 40));
    int pulsaciones = 0;
    QObject::connect(&caja, &zp::PictureBox::pressed, [&] { ++pulsaciones; });
    caja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caja));
    QCoreApplication::processEvents();
    const int pinturas = contador.pintadas;
    caja.surface().fillRect(0, 0, 60, 40, 0xFF00FF00u);
    caja.invalidate(); // a paint left pending
    // A click already queued, and one that arrives in the middle of the pause.
    auto clic = [&caja] {
        for (auto [tipo, botones] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     std::pair{QEvent::MouseButtonRelease, Qt::NoButton}})
            QCoreApplication::postEvent(&caja, new QMouseEvent(tipo, QPointF(5, 5), QPointF(5, 5),
                                                               Qt::LeftButton, botones, Qt::NoModifier));
    };
    clic();
    QTimer::singleShot(30, clic);
    zp::SystemClock reloj;
    reloj.pauseUntil(reloj.now(), 100);
    EXPECT_GT(contador.pintadas, pinturas);
    EXPECT_EQ(pulsaciones, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(pulsaciones, 2); // both, after the pause
}

TEST(PausaSilenciosa, no_entrega_datos_de_red_hasta_despues)
{
    QTcpServer servidor;
    ASSERT_TRUE(servidor.listen(QHostAddress::LocalHost, 0));
    QTcpSocket cliente;
    cliente.connectToHost(QHostAddress::LocalHost, servidor.serverPort());
    ASSERT_TRUE(cliente.waitForConnected(2000) && servidor.waitForNewConnection(2000));
    QTcpSocket* llegada = servidor.nextPendingConnection();
    int avisos = 0;
    QObject::connect(llegada, &QTcpSocket::readyRead, [&] { ++avisos; });
    cliente.write("ZRP3306");
    cliente.flush();
    zp::SystemClock reloj;
    reloj.pauseUntil(reloj.now(), 100);
    EXPECT_EQ(avisos, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return avisos > 0; }, 10000)); // reported after the pause
    EXPECT_EQ(llegada->readAll(), QByteArray("ZRP3306"));
}

} // namespace
