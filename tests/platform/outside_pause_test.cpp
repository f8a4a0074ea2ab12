// Lo que puede abrir una ventana se hace desde el bucle de eventos y nunca dentro de una pausa silenciosa: la
// pausa lo guarda y se hace en cuanto acaba, en el orden en que se pidió; y lo mismo el cierre de una ventana
// que pide el escritorio durante la pausa.
#include "platform/clock.h"
#include "platform/outside_pause.h"
#include "tests/common/cierre_escritorio.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// What ran, and whether a quiet pause was running then.
struct Registro
{
    std::vector<std::string> hechas;
    std::vector<bool> enPausa;
    std::function<void()> Anotar(const std::string& nombre)
    {
        return [this, nombre] {
            hechas.push_back(nombre);
            enPausa.push_back(zp::inQuietPause());
        };
    }
};

void Pausa(int ms)
{
    zp::quietPauseUntilNs(zp::monotonicNs() + std::int64_t(ms) * 1'000'000);
}

TEST(FueraDePausa, sin_pausa_se_hace_en_la_siguiente_vuelta_del_bucle_en_orden_y_sin_su_dueno_no)
{
    QObject dueno;
    auto ido = std::make_unique<QObject>();
    Registro r;
    zp::postOutsidePause(&dueno, r.Anotar("primera"));
    zp::postOutsidePause(ido.get(), r.Anotar("de un dueño que ya no está"));
    zp::postOutsidePause(&dueno, r.Anotar("segunda"));
    ido.reset();
    EXPECT_TRUE(r.hechas.empty()) << "never inside the caller";
    QCoreApplication::processEvents();
    EXPECT_EQ(r.hechas, (std::vector<std::string>{"primera", "segunda"}));
}

TEST(FueraDePausa, dentro_de_una_pausa_se_guarda_y_se_hace_en_cuanto_acaba)
{
    QObject dueno;
    Registro r;
    zp::postOutsidePause(&dueno, r.Anotar("pedida antes"));
    // One asked as the pause begins, one in its middle, as a close or a socket's close would come.
    QTimer::singleShot(0, [&] { zp::postOutsidePause(&dueno, r.Anotar("al empezar")); });
    QTimer::singleShot(30, [&] { zp::postOutsidePause(&dueno, r.Anotar("en medio")); });
    Pausa(80);
    EXPECT_TRUE(r.hechas.empty()) << "nothing ran inside the pause";
    // Served at the first event processing after it, before what is asked from then on.
    zp::postOutsidePause(&dueno, r.Anotar("después"));
    QCoreApplication::processEvents();
    EXPECT_EQ(r.hechas, (std::vector<std::string>{"pedida antes", "al empezar", "en medio", "después"}));
    EXPECT_EQ(r.enPausa, std::vector<bool>(4, false));
}

TEST(FueraDePausa, una_pausa_tras_otra_la_guardan_hasta_que_el_bucle_vuelve_a_mirar)
{
    QObject dueno;
    Registro r;
    QTimer::singleShot(0, [&] { zp::postOutsidePause(&dueno, r.Anotar("en la primera")); });
    // The steps of an animation: pause after pause, with no event processing of their own between them.
    for (int paso = 0; paso < 4; ++paso) Pausa(20);
    EXPECT_TRUE(r.hechas.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(r.hechas, std::vector<std::string>{"en la primera"});
}

// An action whose work goes on in a wait of its own: what follows it is served there.
TEST(FueraDePausa, las_que_siguen_se_hacen_mientras_la_primera_espera)
{
    QObject dueno;
    Registro r;
    QEventLoop* abierta = nullptr; // the first one's window, while it waits for its answer
    bool segundaDentro = false;
    zp::postOutsidePause(&dueno, [&] {
        r.Anotar("primera")();
        QEventLoop ventana;
        QTimer limite;
        QObject::connect(&limite, &QTimer::timeout, &ventana, &QEventLoop::quit);
        limite.start(5000);
        abierta = &ventana;
        ventana.exec();
        abierta = nullptr;
    });
    zp::postOutsidePause(&dueno, [&] {
        r.Anotar("segunda")();
        segundaDentro = abierta != nullptr;
        if (abierta) abierta->quit();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.hechas.size() == 2; }, 10000));
    EXPECT_EQ(r.hechas, (std::vector<std::string>{"primera", "segunda"}));
    EXPECT_TRUE(segundaDentro);
}

// A box that one of them opens keeps the others until it is answered, as a pause would, however boxes nest.
TEST(FueraDePausa, mientras_una_caja_espera_su_respuesta_lo_que_llega_espera_a_que_se_conteste)
{
    QObject dueno;
    Registro r;
    std::vector<bool> conCaja;
    const auto anotar = [&](const std::string& nombre) {
        return [&, nombre] {
            r.Anotar(nombre)();
            conCaja.push_back(zp::boxOpen());
        };
    };
    // A box answered `ms` after it opens; `dentro` runs as it opens.
    const auto caja = [](int ms, const std::function<void()>& dentro) {
        zp::OpenBox abierta;
        QEventLoop respuesta;
        QTimer::singleShot(0, &respuesta, dentro);
        QTimer::singleShot(ms, &respuesta, &QEventLoop::quit);
        respuesta.exec();
    };
    zp::postOutsidePause(&dueno, [&] {
        anotar("primera")();
        caja(80, [&] {
            // Asked while it is open, as a socket's event or the desktop's close would be; then a box over
            // it.
            zp::postOutsidePause(&dueno, anotar("durante la caja"));
            caja(30, [] {});
        });
    });
    zp::postOutsidePause(&dueno, anotar("segunda"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.hechas.size() == 3; }, 10000));
    EXPECT_EQ(r.hechas, (std::vector<std::string>{"primera", "segunda", "durante la caja"}));
    EXPECT_EQ(conCaja, std::vector<bool>(3, false)) << "nothing is served inside a box it did not open";
}

// A window that notes when it is asked to close, and closes.
class Ventana : public QWidget
{
public:
    std::vector<bool> cierresEnPausa;

protected:
    void closeEvent(QCloseEvent* evento) override
    {
        cierresEnPausa.push_back(zp::inQuietPause());
        QWidget::closeEvent(evento);
    }
};

TEST(FueraDePausa, el_cierre_que_pide_el_escritorio_durante_una_pausa_llega_a_la_ventana_al_acabar)
{
    Ventana ventana;
    ventana.resize(40, 30);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    QTimer::singleShot(20, [&] { prueba::PedirCierreDelEscritorio(ventana); });
    Pausa(60);
    EXPECT_TRUE(ventana.cierresEnPausa.empty()) << "its close waits for the pause to end";
    EXPECT_TRUE(ventana.isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(ventana.cierresEnPausa, std::vector<bool>{false});
    EXPECT_FALSE(ventana.isVisible()) << "and then closes it as asked";
}

} // namespace
