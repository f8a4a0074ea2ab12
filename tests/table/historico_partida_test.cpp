// Una partida jugada en la mesa hasta el final, con "Sí" a la pregunta del histórico: el marcador abre el
// histórico y esa partida sale la primera, por delante de las que ya había.
#include "comun_mesa.h"

#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "scores/historic.h"
#include "scores/marcador.h"
#include "settings/core/fichero_estado.h"
#include "table/arranque_mesa.h"
#include "tests/soporte/reloj_falso.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

using RelojSinEspera = zp::prueba::RelojFalso;

// Hace `accion` con la ventana modal de tipo V en cuanto se abra.
template <typename V> void AlAbrirse(std::function<void(V&)> accion)
{
    QTimer::singleShot(0, [accion] {
        if (auto* v = qobject_cast<V*>(QApplication::activeModalWidget()))
            accion(*v);
        else
            ADD_FAILURE() << "no se abrió la ventana esperada";
    });
}

TEST(HistoricoDePartida, una_partida_acabada_en_la_mesa_sale_la_primera_del_historico)
{
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
    RelojSinEspera reloj;
    zp::Clock& antes = zp::PausaPrograma().Reloj();
    zp::PausaPrograma().PonerReloj(reloj);
    QTemporaryDir carpeta;
    const std::string datos = carpeta.path().toStdString() + "/";
    std::ofstream(datos + "ZARPE33.HIS", std::ios::binary)
        << "202001011200Viejo1   Viejo2   Viejo3   Viejo4    30 10  0  0P\r\n";

    zp::EstadoJuego e;
    zp::Ajustes a;
    zp::PonerAjustesPorDefecto(e, a);
    a.Sonido = false;
    ASSERT_FALSE(zp::GuardarAjustes(datos, e, a).has_value());

    // Every question is answered "Sí", the history's included; every report is closed; Continue is pressed.
    std::unique_ptr<zp::Programa> programa;
    QTimer guion;
    bool preguntado = false;
    QObject::connect(&guion, &QTimer::timeout, [&preguntado, &programa] {
        auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
        if (!caja) {
            if (programa && programa->e.EsperaContinuar)
                QTest::mouseClick(programa->Mesa->Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
            return;
        }
        preguntado |= caja->TextoTitulo() == QStringLiteral("Histórico de partidas jugadas");
        if (caja->Pic_Si->isVisibleTo(caja))
            QTest::mousePress(caja->Pic_Si, Qt::LeftButton, {}, QPoint(10, 10));
        else
            caja->close();
    });
    guion.start(10);
    std::vector<zp::ResultadoPartida> resultados;
    zp::OpcionesArranque o;
    o.Careta = false;
    o.CarpetaDatos = datos;
    o.AlTerminar = [&](const zp::ResultadoPartida& r) { resultados.push_back(r); };
    programa = zp::ArrancarPrograma(o);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 1; }, 20000));
    // Four automatic players, no pause between moves, and the first hand ends the match.
    zp::Ajustes& reglas = programa->a;
    reglas.PausaEntreJugadas = false;
    reglas.Jugador[4].ControlJugador = zp::Control::Automatico;
    reglas.PuntosPartida = 1;

    auto pulsar = [&](int i) {
        zp::PictureBox* boton = programa->Mesa->Pic_Boton[std::size_t(i)];
        QTest::mouseMove(boton, QPoint(10, 10));
        QTest::mouseMove(boton, QPoint(12, 14));
        QTest::mousePress(boton, Qt::LeftButton, {}, QPoint(12, 14));
    };
    pulsar(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 60000));
    ASSERT_FALSE(programa->e.PartidaEnCurso);
    ASSERT_TRUE(preguntado);
    guion.stop();

    // The winning pair: pair 1 is seats 2 and 4, pair 2 seats 1 and 3.
    const bool pareja1 = programa->e.GanadorMano == 1;
    const QString ganadores = QString::fromStdString(programa->a.Jugador[pareja1 ? 2 : 1].NombreJugador) +
                              QStringLiteral(" y ") +
                              QString::fromStdString(programa->a.Jugador[pareja1 ? 4 : 3].NombreJugador);
    std::vector<QString> primera, segunda;
    AlAbrirse<zp::marcador>([&](zp::marcador& hoja) {
        AlAbrirse<zp::historic>([&](zp::historic& h) {
            for (const zp::TextoImpreso& t : h.TextosPagina())
                (t.y < 40 ? primera : segunda).push_back(t.texto);
            QTest::mousePress(h.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
        });
        QTest::mousePress(hoja.Pic_BotHistorico, Qt::LeftButton, {}, QPoint(25, 25));
        QTest::mousePress(hoja.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
    });
    pulsar(5);
    zp::PausaPrograma().PonerReloj(antes);

    // Heading, then the new match's date and winners on its first line; the old one after it.
    ASSERT_GE(primera.size(), 3u);
    EXPECT_EQ(primera[1], QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    EXPECT_EQ(primera[2], ganadores);
    ASSERT_FALSE(segunda.empty());
    EXPECT_TRUE(std::find(segunda.begin(), segunda.end(), QStringLiteral("01-01-2020")) != segunda.end());
}

} // namespace
