#include "platform/clock.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A box that counts what reaches it.
class Contador : public zp::PictureBox
{
public:
    int pinturas = 0;
    int pulsaciones = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++pinturas;
        zp::PictureBox::paintEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        ++pulsaciones;
        zp::PictureBox::mousePressEvent(e);
    }
};

struct CasoReloj
{
    std::uint32_t desplazamiento; // where the 32-bit count stands when the pause starts
    const char* que;
};

TEST(PausaSilenciosa, termina_en_la_primera_lectura_pasado_el_plazo_incluso_al_dar_la_vuelta)
{
    const CasoReloj casos[] = {
        {0, "normal"},
        {0u - 40u, "cruza 2^32"},
        {0x7FFFFFFFu - 40u, "cruza 2^31"},
    };
    for (const CasoReloj& c : casos) {
        zp::SystemClock reloj(c.desplazamiento - zp::clockMs());
        const std::uint32_t inicio = reloj.now();
        reloj.pauseUntil(inicio, 80);
        const std::uint32_t pasado = reloj.now() - inicio;
        EXPECT_GE(pasado, 80u) << c.que;
        EXPECT_LT(pasado, 80u + 200u) << c.que; // not a timing test: the bench measures precision
    }
}

TEST(PausaSilenciosa, un_inicio_ya_vencido_acaba_enseguida)
{
    zp::SystemClock reloj;
    const std::uint32_t ahora = reloj.now();
    const std::int64_t antes = zp::monotonicNs();
    reloj.pauseUntil(ahora - 500, 100);
    reloj.pauseUntil(ahora, 0);
    EXPECT_LT(zp::monotonicNs() - antes, 50'000'000); // no 100 ms wait
}

TEST(PausaSilenciosa, muestra_lo_pendiente_pero_no_entrega_el_clic_hasta_despues)
{
    Contador caja;
    caja.setLogicalGeometry(QRect(0, 0, 60, 40));
    caja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caja));
    QCoreApplication::processEvents();

    const int pinturasAntes = caja.pinturas;
    caja.surface().fillRect(0, 0, 60, 40, 0xFF00FF00u);
    caja.invalidate(); // a paint left pending
    // A click already queued, and one that arrives in the middle of the pause.
    auto clic = [&caja] {
        QCoreApplication::postEvent(&caja,
                                    new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(&caja,
                                    new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    };
    clic();
    QTimer::singleShot(30, clic);
    zp::SystemClock reloj;
    reloj.pauseUntil(reloj.now(), 100);

    EXPECT_GT(caja.pinturas, pinturasAntes);
    EXPECT_EQ(caja.pulsaciones, 0);
    EXPECT_EQ(caja.grab().toImage().pixel(30, 20), 0xFF00FF00u);
    QCoreApplication::processEvents();
    EXPECT_EQ(caja.pulsaciones, 2); // both, after the pause
}

TEST(PausaSilenciosa, no_entrega_datos_de_red_hasta_despues)
{
    QTcpServer servidor;
    ASSERT_TRUE(servidor.listen(QHostAddress::LocalHost, 0));
    QTcpSocket cliente;
    cliente.connectToHost(QHostAddress::LocalHost, servidor.serverPort());
    ASSERT_TRUE(cliente.waitForConnected(2000));
    ASSERT_TRUE(servidor.waitForNewConnection(2000));
    QTcpSocket* llegada = servidor.nextPendingConnection();
    ASSERT_NE(llegada, nullptr);
    int avisos = 0;
    QObject::connect(llegada, &QTcpSocket::readyRead, [&] { ++avisos; });

    cliente.write("ZRP3306");
    cliente.flush();
    zp::SystemClock reloj;
    reloj.pauseUntil(reloj.now(), 100);
    EXPECT_EQ(avisos, 0);
    QTest::qWait(100);
    EXPECT_GE(avisos, 1);
    EXPECT_EQ(llegada->readAll(), QByteArray("ZRP3306"));
}

} // namespace
