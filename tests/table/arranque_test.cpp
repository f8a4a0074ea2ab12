// El programa arranca: lee sus ajustes de la carpeta de trabajo (o los crea), muestra la mesa a toda
// pantalla con su mármol y su marcador, ofrece la ayuda, y una mano que quedó a medias vuelve a la mesa
// antes de anunciar que la partida continúa.
#include "comun_mesa.h"

#include "kit/mensajes.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/arranque_mesa.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kContinuar = QStringLiteral("Continuar la partida anterior");

class Arranque : public ::testing::Test
{
protected:
    void SetUp() override { zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600))); }
    void TearDown() override
    {
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
    }

    // Arranca sin portada respondiendo a cada mensaje; al anunciar que la partida continúa, la abandona
    // (aquí no se juega). Vuelve cuando el arranque ha terminado, o en cuanto se decide no abrir la mesa.
    void Arrancar(bool hastaElFinal = true)
    {
        QTimer respuesta;
        QObject::connect(&respuesta, &QTimer::timeout, [this] {
            auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
            if (!caja) return;
            titulos.push_back(caja->TextoTitulo());
            textos.push_back(caja->TextoMensaje());
            if (caja->TextoTitulo() == kContinuar) {
                alAnunciar = ventana().surface().image();
                zp::abandonMatch();
            }
            caja->close();
        });
        respuesta.start(10);
        zp::OpcionesArranque o;
        o.Careta = false;
        o.CarpetaDatos = carpeta.path().toStdString() + "/";
        o.AlTerminar = [this](const zp::ResultadoPartida& r) {
            resultado = r;
            terminado = true;
        };
        programa = zp::ArrancarPrograma(o);
        if (!hastaElFinal) return;
        ASSERT_FALSE(programa->Salir);
        ASSERT_TRUE(QTest::qWaitFor([this] { return terminado; }, 10000));
    }
    zp::mesa& ventana() { return *programa->Mesa; }

    QTemporaryDir carpeta;
    std::unique_ptr<zp::Programa> programa;
    std::vector<QString> titulos, textos;
    QImage alAnunciar;
    bool terminado = false;
    zp::ResultadoPartida resultado;
};

TEST_F(Arranque, la_primera_vez_crea_los_ajustes_y_muestra_la_mesa_vacia)
{
    Arrancar();
    EXPECT_TRUE(QFileInfo::exists(carpeta.filePath(QStringLiteral("ZARPE33.INI"))));
    ASSERT_EQ(titulos.size(), 2u);
    EXPECT_EQ(titulos[0], QStringLiteral("Error en la carga de datos iniciales")); // no estaba: se crea
    zp::mesa& m = ventana();
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(m.logicalGeometry(), QRect(0, 0, 802, 602));
    // Solo mármol: ni manos ni montón.
    EXPECT_EQ(m.surface().image().copy(0, 0, 710, 600), m.Marmol().image().copy(0, 0, 710, 600));
    EXPECT_EQ(resultado.Fin, zp::FinPartida::SinPartida);
    EXPECT_FALSE(programa->a.JuegoEnRed);
}

TEST_F(Arranque, una_mano_a_medias_vuelve_a_la_mesa_antes_del_aviso)
{
    {
        zp::EstadoJuego e;
        zp::Ajustes a;
        zp::PonerAjustesPorDefecto(e, a);
        prueba::RepartirManoAMedias(e, 1);
        ASSERT_FALSE(zp::GuardarAjustes(carpeta.path().toStdString() + "/", e, a).has_value());
    }
    Arrancar();
    ASSERT_FALSE(titulos.empty());
    EXPECT_EQ(titulos.back(), kContinuar);
    EXPECT_EQ(std::count(titulos.begin(), titulos.end(), kContinuar), 1);
    ASSERT_FALSE(alAnunciar.isNull());
    const QRect sur(201, 523, 308, 77);
    EXPECT_NE(alAnunciar.copy(sur), ventana().Marmol().image().copy(sur)); // la mano del sur ya se ve
}

TEST_F(Arranque, una_pantalla_de_menos_de_800_de_ancho_pregunta_por_la_resolucion)
{
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(640, 480)));
    Arrancar(false);
    ASSERT_EQ(titulos.size(), 1u);
    EXPECT_EQ(titulos[0], QStringLiteral("Resolución de pantalla"));
    EXPECT_TRUE(textos[0].contains(QStringLiteral("640x480"))) << textos[0].toStdString();
    EXPECT_TRUE(programa->Salir) << "Cancelar: the program ends without its table";
}

} // namespace
