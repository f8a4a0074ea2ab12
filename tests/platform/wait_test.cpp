#include "platform/wait.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using zp::WaitEnd;

TEST(Espera, un_aviso_la_termina_sin_esperar_al_temporizador_lento)
{
    bool listo = false;
    QTimer::singleShot(30, [&] {
        listo = true;
        zp::notifyStateChanged();
    });
    int pasadas = 0;
    zp::WaitOptions opciones;
    opciones.tickMs = 600000; // only the notification can end it
    opciones.onTick = [&] { ++pasadas; };
    EXPECT_EQ(zp::waitUntil([&] { return listo; }, opciones), WaitEnd::ConditionHeld);
    EXPECT_EQ(pasadas, 1) << "the screen's clock at once, and no tick after";
}

TEST(Espera, sin_aviso_cada_paso_del_temporizador_llama_al_reloj_de_pantalla_y_mira_la_condicion)
{
    int pasadas = 0;
    zp::WaitOptions opciones;
    opciones.tickMs = 10;
    opciones.onTick = [&] { ++pasadas; };
    EXPECT_EQ(zp::waitUntil([&] { return pasadas >= 3; }, opciones), WaitEnd::ConditionHeld);
    EXPECT_EQ(pasadas, 3);
}

TEST(Espera, abandonar_la_partida_la_corta)
{
    QTimer::singleShot(50, [] { zp::abandonMatch(); });
    EXPECT_EQ(zp::waitUntil([] { return false; }), WaitEnd::MatchAbandoned);
    // A wait begun for an earlier match ends at once; one that follows no match does not.
    zp::WaitOptions vieja;
    vieja.generation = zp::matchGeneration() - 1;
    EXPECT_EQ(zp::waitUntil([] { return true; }, vieja), WaitEnd::MatchAbandoned);
    zp::WaitOptions libre;
    libre.generation = zp::matchGeneration() - 1;
    libre.belongsToMatch = false;
    EXPECT_EQ(zp::waitUntil([] { return true; }, libre), WaitEnd::ConditionHeld);
}

TEST(Espera, las_esperas_anidadas_terminan_todas_al_abandonar)
{
    WaitEnd interior = WaitEnd::ConditionHeld;
    QTimer::singleShot(20, [&] {
        QTimer::singleShot(30, [] { zp::abandonMatch(); });
        interior = zp::waitUntil([] { return false; });
    });
    EXPECT_EQ(zp::waitUntil([] { return false; }), WaitEnd::MatchAbandoned);
    EXPECT_EQ(interior, WaitEnd::MatchAbandoned);
}

// Quitting cannot be undone in a process: these run in a child of their own.
TEST(EsperaDeathTest, pedir_la_salida_la_corta)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // a fresh process: Qt does not survive a bare fork
    EXPECT_EXIT(
        {
            QTimer::singleShot(50, [] { zp::requestQuit(); });
            const bool bien = zp::waitUntil([] { return false; }) == WaitEnd::Quitting && zp::quitting() &&
                              zp::waitUntil([] { return true; }) == WaitEnd::Quitting;
            std::_Exit(bien ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(EsperaDeathTest, salir_de_la_aplicacion_tambien_la_corta)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // As in the program: the wait runs inside the application's loop when the quit comes.
            QTimer::singleShot(0, [] {
                const bool bien = zp::waitUntil([] { return false; }) == WaitEnd::Quitting;
                std::_Exit(bien ? 0 : 1);
            });
            QTimer::singleShot(50, [] { QCoreApplication::quit(); });
            QCoreApplication::exec();
            std::_Exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
