// El programa arrancado en una pantalla X virtual: su foto queda en el árbol de compilación y no está en
// blanco. Necesita un servidor X (se ejecuta con xvfb-run).
#include "kit/mensajes.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/arranque_mesa.h"
#include "table/comun_mesa.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Las pruebas se lanzan con la plataforma de fuera de pantalla; esta necesita la pantalla X de verdad.
const bool kConPantallaX = [] {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}();

// Una mano a medias guardada, para que la foto muestre la mesa con fichas.
void GuardarManoEnCurso(const std::string& carpeta)
{
    zp::EstadoJuego e;
    zp::Ajustes a;
    zp::PonerAjustesPorDefecto(e, a);
    prueba::RepartirManoAMedias(e, 1);
    zp::GuardarAjustes(carpeta, e, a);
}

TEST(Captura, el_programa_arrancado_se_ve_en_la_pantalla)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
    QTemporaryDir carpeta;
    const std::string datos = carpeta.path().toStdString() + "/";
    GuardarManoEnCurso(datos);

    // La foto, cuando el programa anuncia que la partida sigue: la mesa con la mano y el aviso encima.
    // Luego se abandona: aquí no se juega.
    QImage foto;
    QTimer respuesta;
    QObject::connect(&respuesta, &QTimer::timeout, [&foto] {
        auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
        if (!caja) return;
        if (caja->TextoTitulo() == QStringLiteral("Continuar la partida anterior")) {
            QTest::qWait(300);
            foto = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            zp::abandonMatch();
        }
        caja->close();
    });
    respuesta.start(50);
    bool terminado = false;
    zp::OpcionesArranque o;
    o.CarpetaDatos = datos;
    o.AlTerminar = [&terminado](const zp::ResultadoPartida&) { terminado = true; };
    const auto programa = zp::ArrancarPrograma(o);
    ASSERT_TRUE(QTest::qWaitFor([&terminado] { return terminado; }, 30000));

    ASSERT_FALSE(foto.isNull());
    EXPECT_TRUE(foto.save(QDir::current().filePath(QStringLiteral("captura_programa.png"))));
    QSet<QRgb> colores;
    for (int y = 0; y < foto.height(); y += 3)
        for (int x = 0; x < foto.width(); x += 3) colores.insert(foto.pixel(x, y));
    EXPECT_GT(colores.size(), 200); // mármol, fichas, botones: nada de una pantalla lisa
}

} // namespace
