// En un servidor X de verdad: una pausa no atiende lo que la persona pulsa, pero lo pulsado durante una
// serie de pausas llega a su destino en cuanto el programa atiende los eventos entre dos pasos, no pasos
// después.
#include "eventos_x.h"
#include "kit/pausa.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Notes the step in which each key and each button press reaches it.
class Destino : public QWidget
{
public:
    explicit Destino(const int& paso) : paso_(paso) {}
    std::vector<int> teclas, botones;

protected:
    void keyPressEvent(QKeyEvent*) override { teclas.push_back(paso_); }
    void mousePressEvent(QMouseEvent*) override { botones.push_back(paso_); }

private:
    const int& paso_;
};

TEST(PausasEnX, lo_pulsado_durante_una_serie_de_pausas_llega_al_acabar_su_paso)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
    int paso = 0;
    Destino destino(paso);
    destino.setGeometry(40, 40, 300, 200);
    destino.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&destino));
    QTest::qWait(50);

    // Each step as a recorder run takes it: three pauses, then the events are seen to. A timer runs during a
    // pause: the key and the button go out in the first pause of step 3 and of step 6.
    zp::Pausa pausa;
    for (paso = 0; paso < 10; ++paso) {
        if (paso == 3) QTimer::singleShot(20, &destino, [&] { prueba::PulsarTeclaX(destino); });
        if (paso == 6) QTimer::singleShot(20, &destino, [&] { prueba::PulsarBotonX(destino, {30, 30}); });
        for (int i = 0; i < 3; ++i) pausa.HacerPausa(60, 50);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(destino.teclas, std::vector<int>{3});
    EXPECT_EQ(destino.botones, std::vector<int>{6});
}

} // namespace
