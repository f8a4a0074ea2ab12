// El programa arrancado con una partida a medias de cuatro jugadores automáticos guardada en su fichero de
// ajustes: la retoma y la juega hasta el final en la ventana de verdad, con sus animaciones, contestando
// cada aviso como lo haría una persona; el histórico recibe la partida y la pantalla muestra la mesa.
#include "engine/contexto.h"
#include "engine/partida.h"
#include "kit/mensajes.h"
#include "scores/core/historico.h"
#include "settings/core/fichero_estado.h"
#include "table/arranque_mesa.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Plays the first turns of a seeded match headless and leaves it there, as a program closed mid-hand would.
class PersonaQueSeVa : public zp::UsuarioAutomatico
{
public:
    zp::Espera AtenderEventos() override
    {
        return ++turnos_ > 6 ? zp::Espera::Abandonada : zp::Espera::Cumplida;
    }

private:
    int turnos_ = 0;
};

void GuardarPartidaAMedias(const std::string& carpeta)
{
    zp::MotorSinVentana motor(5);
    zp::PonerAjustesPorDefecto(motor.e, motor.a);
    for (std::size_t p = 1; p <= 4; ++p) motor.a.Jugador[p].ControlJugador = zp::Control::Automatico;
    motor.a.PausaEntreJugadas = false;
    motor.a.Sonido = false; // no device here: a synchronous sound would still wait its length
    motor.a.Velocidad = 100;
    motor.a.PuntosPartida = 15;
    PersonaQueSeVa persona;
    zp::Contexto c{motor.e,     motor.a,   motor.pantalla, motor.mesa, persona,
                   motor.ritmo, motor.red, motor.almacen,  motor.azar};
    ASSERT_EQ(zp::ComenzarPartida(c).Fin, zp::FinPartida::Abandonada);
    ASSERT_TRUE(motor.e.PartidaEnCurso);
    ASSERT_TRUE(motor.e.ManoEnCurso);
    ASSERT_FALSE(zp::GuardarAjustes(carpeta, motor.e, motor.a).has_value());
}

TEST(PartidaReanudada, una_partida_a_medias_se_juega_hasta_el_final_en_la_ventana)
{
    QTemporaryDir carpeta;
    const std::string datos = carpeta.path().toStdString() + "/";
    GuardarPartidaAMedias(datos);

    // A person at the screen: accepts every message ("Sí" to the history) after having seen it, and presses
    // Continue whenever the table waits for it (the next hand).
    QStringList titulos;
    QImage foto;
    QTimer persona;
    std::unique_ptr<zp::Programa> programa;
    QObject::connect(&persona, &QTimer::timeout, [&] {
        auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
        if (!caja) {
            if (programa && programa->e.EsperaContinuar && programa->Mesa->Pic_BotContinuar->isVisible())
                QTest::mouseClick(programa->Mesa->Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
            return;
        }
        titulos << caja->TextoTitulo();
        if (caja->TextoTitulo() == QStringLiteral("Final de Partida"))
            foto = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        QTest::keyClick(caja, Qt::Key_S);
    });
    persona.start(30);

    bool terminado = false;
    zp::ResultadoPartida resultado;
    zp::OpcionesArranque o;
    o.Careta = false;
    o.CarpetaDatos = datos;
    o.AlTerminar = [&](const zp::ResultadoPartida& r) {
        resultado = r;
        terminado = true;
    };
    programa = zp::ArrancarPrograma(o);
    ASSERT_TRUE(QTest::qWaitFor([&terminado] { return terminado; }, 240000));
    persona.stop();

    EXPECT_EQ(resultado.Fin, zp::FinPartida::Terminada);
    EXPECT_FALSE(programa->e.PartidaEnCurso);
    EXPECT_GE(std::max(programa->e.TotalPareja1, programa->e.TotalPareja2), 15);
    EXPECT_TRUE(titulos.contains(QStringLiteral("Continuar la partida anterior")));
    EXPECT_TRUE(titulos.contains(QStringLiteral("Final de Partida")));
    EXPECT_TRUE(titulos.contains(QStringLiteral("Histórico de partidas jugadas")));
    const auto historico = zp::LeerHistorico(datos);
    ASSERT_EQ(historico.size(), 1u);
    EXPECT_TRUE(historico[0].EnParejas());

    // What the screen showed at the end: marble, tiles, buttons and the box, nothing like a blank screen.
    ASSERT_FALSE(foto.isNull());
    QSet<QRgb> colores;
    for (int y = 0; y < foto.height(); y += 3)
        for (int x = 0; x < foto.width(); x += 3) colores.insert(foto.pixel(x, y));
    EXPECT_GT(colores.size(), 200);
}

} // namespace
