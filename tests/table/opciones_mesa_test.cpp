// El menú del botón derecho: lo que ofrece fuera de las manos y sobre una mano, dónde se abre, los modos de
// mano que enciende y apaga, y que al abrirse no trae resaltada la fila de la última vez.
#include "programa_prueba.h"

#include <QLineEdit>

namespace {

using Opciones = prueba::ProgramaPrueba;

TEST_F(Opciones, ofrece_lo_suyo_donde_se_pulsa_y_cambia_los_modos_de_mano)
{
    ManoAMedias();
    bool hecho = false;
    paso = [&] {
        zp::EstadoJuego& j = programa->e;
        if (hecho || !j.EsperaContinuar) return;
        hecho = true;
        zp::mesa& m = *programa->Mesa;
        zp::PictureBox& menu = *m.Pic_SelOpciones;
        const QPoint fuera(650, 580), enMano(300, 560); // off every hand; on the bottom hand
        auto derecho = [&](QPoint p) {
            QTest::mouseMove(&m, p);
            QTest::mouseClick(&m, Qt::RightButton, {}, p);
        };
        auto elegir = [&](int fila) { prueba::ProgramaPrueba::Pulsar(&menu, {40, 18 * fila - 8}); };

        struct Caso
        {
            const char* que;
            QPoint donde;
            std::function<void()> preparar;
            int filas; // 0: no se abre
        };
        const std::vector<Caso> casos = {
            {"fuera de las manos", fuera, [] {}, 3},
            {"sobre una mano", enMano, [] {}, 2},
            {"en red, fuera de las manos", fuera, [&] { programa->a.JuegoEnRed = true; }, 0},
            {"en red, sobre una mano", enMano, [&] { programa->a.JuegoEnRed = true; }, 2},
            {"con la partida jugando", fuera, [&] { j.EsperaContinuar = false; }, 0},
        };
        for (const Caso& c : casos) {
            SCOPED_TRACE(c.que);
            c.preparar();
            derecho(c.donde);
            EXPECT_EQ(menu.isVisible(), c.filas > 0);
            if (c.filas > 0) {
                EXPECT_EQ(menu.logicalGeometry().height(), 18 * c.filas + 4);
            }
            programa->a.JuegoEnRed = false;
            j.EsperaContinuar = true;
            QTest::mouseClick(&m, Qt::LeftButton, {}, {400, 300}); // a press on the table closes it
            EXPECT_FALSE(menu.isVisible());
        }

        // Near the table's bottom right corner it opens pushed back inside the table.
        derecho(fuera);
        EXPECT_EQ(menu.logicalGeometry(), QRect(560, 542, 150, 58));

        // "Ordenar fichas" and "Girar fichas" exclude each other; a mode chosen again goes off.
        const struct
        {
            int fila;
            bool ordenar, girar;
        } modos[] = {{1, true, false}, {2, false, true}, {2, false, false}};
        for (const auto& c : modos) {
            derecho(enMano);
            elegir(c.fila);
            EXPECT_FALSE(menu.isVisible());
            EXPECT_EQ(m.Entrada.OrdenarFichas, c.ordenar);
            EXPECT_EQ(m.Entrada.GirarFichas, c.girar);
        }

        // Opened again, no row is highlighted: a release that never passed over a row runs nothing.
        derecho(enMano);
        EXPECT_EQ(m.Menu.FilaMenuResaltada, 0);
        QTest::mouseRelease(&menu, Qt::LeftButton, {}, {40, 1});
        EXPECT_TRUE(menu.isVisible());
        EXPECT_FALSE(m.Entrada.OrdenarFichas || m.Entrada.GirarFichas);

        // A mode lasts for its turn: the move that ends the wait switches it off.
        elegir(1);
        ASSERT_TRUE(m.Entrada.OrdenarFichas);
        prueba::ProgramaPrueba::Pulsar(m.Pic_BotContinuar);
        QTimer::singleShot(0, &m, [&] {
            QTest::mouseMove(&m, {400, 300});
            EXPECT_FALSE(m.Entrada.OrdenarFichas) << "switched off with the move";
            zp::abandonMatch(); // fin de la prueba
        });
    };
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 1 && hecho; }, 10000));
}

TEST_F(Opciones, un_juego_cargado_sin_partida_sigue_en_su_turno)
{
    {
        zp::EstadoJuego guardado = e;
        prueba::RepartirManoAMedias(guardado, 3);
        ASSERT_FALSE(zp::GrabarEstado(Carpeta(), "Mano.man", guardado, a).has_value());
    }
    Arrancar();
    zp::Entero mano = 0;
    paso = [&] {
        if (!programa->e.EsperaContinuar) return;
        mano = programa->e.NumeroMano;
        zp::abandonMatch(); // fin de la prueba
    };
    zp::mesa& m = *programa->Mesa;
    QTest::mouseClick(&m, Qt::RightButton, {}, {400, 300});
    ASSERT_EQ(m.Menu.FilasMenuOpciones, 2) << "loading and deleting, with no game to store";
    QTimer persona; // the stored-games window, once it shows: the game's name and Return
    prueba::AlAbrirse<zp::cargua>(persona, [](zp::cargua& v) {
        QTest::keyClicks(v.Tex_CarGua, QStringLiteral("Mano"));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    });
    Pulsar(m.Pic_SelOpciones, {40, 10});
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 10000));
    EXPECT_EQ(mano, 3) << "the loaded game waits for its move";
}

} // namespace
