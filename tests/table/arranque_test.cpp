// El programa arranca: lee sus ajustes de la carpeta de trabajo (o los crea), muestra la mesa a toda
// pantalla con su mármol y su marcador, y una mano que quedó a medias vuelve a la mesa antes de anunciar que
// la partida continúa; en una pantalla de menos de 800 puntos de ancho pregunta antes.
#include "programa_prueba.h"

#include "platform/clock.h"
#include "platform/outside_pause.h"
#include "settings/core/cadenas_estado.h"
#include "tests/soporte/usuario_sin_privilegios.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <fstream>

namespace {

using Arranque = prueba::ProgramaPrueba;

const QString kContinuar = QStringLiteral("Continuar la partida anterior");

TEST_F(Arranque, la_primera_vez_crea_los_ajustes_y_muestra_la_mesa_vacia)
{
    primeraVez = true;
    Arrancar();
    EXPECT_TRUE(QFileInfo::exists(Fichero("ZARPE33.INI")));
    ASSERT_EQ(cajas.size(), 2u);
    EXPECT_EQ(cajas[0].titulo, QStringLiteral("Error en la carga de datos iniciales")); // not there: made
    const zp::mesa& m = *programa->Mesa;
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(m.logicalGeometry(), QRect(0, 0, 802, 602));
    // Only marble: no hands, no stock.
    EXPECT_EQ(m.surface().image().copy(0, 0, 710, 600), m.Marmol().image().copy(0, 0, 710, 600));
    EXPECT_EQ(resultados[0].Fin, zp::FinPartida::SinPartida);
    EXPECT_FALSE(programa->a.JuegoEnRed);
}

TEST_F(Arranque, una_mano_a_medias_vuelve_a_la_mesa_antes_del_aviso)
{
    prueba::RepartirManoAMedias(e, 1);
    QImage alAnunciar;
    responder = [&](const QString& titulo) -> std::optional<bool> {
        if (titulo == kContinuar) {
            alAnunciar = programa->Mesa->surface().image();
            zp::abandonMatch(); // no play here
        }
        return std::nullopt;
    };
    Arrancar();
    ASSERT_FALSE(cajas.empty());
    EXPECT_EQ(cajas.back().titulo, kContinuar);
    EXPECT_EQ(std::count_if(cajas.begin(), cajas.end(),
                            [](const prueba::Caja& c) { return c.titulo == kContinuar; }),
              1);
    ASSERT_FALSE(alAnunciar.isNull());
    const QRect sur = zp::CalcularZonaMano(programa->e, programa->a, programa->Medidas, 4);
    EXPECT_NE(alAnunciar.copy(sur),
              programa->Mesa->Marmol().image().copy(sur)); // the south hand shows already
}

// A match asked for just before a pause is not played inside it, where nobody could answer it: it begins
// once the pause is over.
TEST_F(Arranque, una_partida_pedida_no_se_juega_dentro_de_una_pausa_sino_al_acabar_esta)
{
    Arrancar();
    bool empezada = false;
    pasos = {{[&] { return zp::matchLoopRunning(); },
              [&] {
                  empezada = true;
                  zp::abandonMatch(); // no play here
              }}};
    zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida);
    zp::quietPauseUntilNs(zp::monotonicNs() + 100'000'000);
    EXPECT_EQ(resultados.size(), 1u);
    EXPECT_FALSE(empezada);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 20000));
    EXPECT_TRUE(empezada);
}

// The exit is final: a new match asked for before it and not yet begun, or asked for after it, is dropped;
// the program ends without dealing.
TEST_F(Arranque, tras_la_salida_pedida_no_empieza_ninguna_partida_pedida_antes_o_despues)
{
    Arrancar();
    zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida);
    zp::PedirAlPrograma(*programa, zp::Peticion::Salir);
    zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida);
    bool servido = false; // everything asked before it was served
    zp::postOutsidePause(programa->Mesa.get(), [&] { servido = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return servido && !zp::matchLoopRunning(); }, 20000));
    ASSERT_EQ(resultados.size(), 2u);
    EXPECT_EQ(resultados[1].Siguiente, zp::Peticion::Salir);
    EXPECT_EQ(resultados[1].Fin, zp::FinPartida::SinPartida);
    EXPECT_FALSE(HayCaja(QStringLiteral("Comienza la Partida")));
    EXPECT_FALSE(programa->e.PartidaEnCurso);
}

// Settings the program cannot read (not the user's to read, or far too big) are not written over: they are
// kept as ZARPE33.INI.bak, the box says so, and the program starts on the defaults with an empty table.
TEST_F(Arranque, unos_ajustes_que_no_se_pueden_leer_se_apartan_y_la_caja_lo_dice)
{
    namespace fs = std::filesystem;
    std::string motivo;
    const std::string dentro = zp::prueba::CarpetaAlAlcanceDeNadie(motivo);
    if (dentro.empty()) GTEST_SKIP() << motivo;
    carpeta = QTemporaryDir(QString::fromStdString(dentro + "/zp_prueba_XXXXXX")); // the program runs as it
    prueba::RepartirManoAMedias(e, 3);
    a.Jugador[1].NombreJugador = "Carmen";
    const std::string propios = zp::ComponerFicheroEstado(zp::GenerarCadenasEstado(e, a));
    const std::string ini = Carpeta() + "ZARPE33.INI", copia = Carpeta() + "ZARPE33.INI.bak";
    for (const auto& [error, bytes, modo] : {std::tuple{75, propios, fs::perms::none},
                                             {27, propios + std::string(1 << 20, ' '), fs::perms(0644)}}) {
        SCOPED_TRACE(error);
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        cajas.clear();
        resultados.clear();
        fs::remove(copia);
        fs::permissions(Carpeta(), fs::perms::all);
        {
            std::ofstream(ini, std::ios::binary) << bytes;
        }
        fs::permissions(ini, modo);
        primeraVez = true;
        {
            zp::prueba::UsuarioSinPrivilegios corriente; // the administrator would read it anyway
            Arrancar();
        }
        ASSERT_FALSE(cajas.empty());
        EXPECT_EQ(cajas[0].titulo, QStringLiteral("Error en la carga de datos iniciales"));
        EXPECT_EQ(
            cajas[0].texto,
            QStringLiteral("El fichero de inicialización ZARPE33.INI no se puede leer (CID ERROR %1). Se "
                           "ha creado de nuevo con los valores establecidos por defecto. El fichero "
                           "anterior se ha guardado como ZARPE33.INI.bak.")
                .arg(error));
        EXPECT_FALSE(HayCaja(kContinuar));
        EXPECT_EQ(programa->a.Jugador[1].NombreJugador, "Jugador1");
        fs::permissions(copia, fs::perms(0644));
        QFile apartado(QString::fromStdString(copia));
        ASSERT_TRUE(apartado.open(QIODevice::ReadOnly));
        EXPECT_EQ(apartado.readAll().toStdString(), bytes);
        EXPECT_TRUE(QFileInfo(QString::fromStdString(ini)).size() > 0);
    }
}

TEST_F(Arranque, una_pantalla_de_menos_de_800_de_ancho_pregunta_por_la_resolucion)
{
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(640, 480)));
    Arrancar();
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].titulo, QStringLiteral("Resolución de pantalla"));
    EXPECT_TRUE(cajas[0].texto.contains(QStringLiteral("640x480"))) << cajas[0].texto.toStdString();
    EXPECT_TRUE(programa->Salir) << "Cancelar: the program ends without its table";
}

} // namespace
