// Los ajustes del jugador abiertos desde el botón 2 de la barra del programa: lo cambiado sigue al volver a
// arrancar, un asiento desactivado en la primera jugada empieza otra partida sin él, y dejar la red
// restaurando la situación de antes sigue aquella partida.
#include "comun_mesa.h"

#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "settings/personal.h"
#include "table/arranque_mesa.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

namespace {

class RelojSinEspera : public zp::Clock
{
public:
    std::uint32_t now() override { return ahora; }
    void pauseUntil(std::uint32_t inicio, std::uint32_t duracion) override { ahora = inicio + duracion; }
    std::uint32_t ahora = 1000;
};

class PersonalEnLaMesa : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        antes = &zp::PausaPrograma().Reloj();
        zp::PausaPrograma().PonerReloj(reloj);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        QObject::connect(&guion, &QTimer::timeout, [this] { Vuelta(); });
        guion.start(10);
    }
    void TearDown() override
    {
        guion.stop();
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        zp::PausaPrograma().PonerReloj(*antes);
    }

    std::string Carpeta() const { return carpeta.path().toStdString() + "/"; }

    // Arranca el programa sobre la carpeta de la prueba con los ajustes guardados en ella.
    void Arrancar()
    {
        resultados.clear();
        zp::OpcionesArranque o;
        o.Careta = false;
        o.CarpetaDatos = Carpeta();
        o.AlTerminar = [this](const zp::ResultadoPartida& r) { resultados.push_back(r); };
        programa = zp::ArrancarPrograma(o);
        ASSERT_FALSE(programa->Salir);
    }

    // Cada vuelta del guion responde la caja de arriba según su título, hace lo previsto con la ventana de
    // ajustes cuando se abre, o da el paso de la prueba.
    void Vuelta()
    {
        QWidget* arriba = QApplication::activeModalWidget();
        if (auto* caja = qobject_cast<zp::mensajes*>(arriba)) {
            if (caja == atendida) return;
            atendida = caja;
            titulos.push_back(caja->TextoTitulo());
            const auto r = respuestas.find(caja->TextoTitulo());
            if (r == respuestas.end())
                caja->close();
            else
                QTest::mousePress(r->second ? caja->Pic_Si : caja->Pic_No, Qt::LeftButton, {},
                                  QPoint(10, 10));
            return;
        }
        if (auto* ventana = qobject_cast<zp::personal*>(arriba)) {
            if (!enAjustes) return;
            // Fuera de la vuelta, para que el guion pueda responder las cajas que abra.
            QTimer::singleShot(0, ventana, [this, ventana, accion = std::exchange(enAjustes, nullptr)] {
                // El botón de la barra abrió la ventana al bajar; la persona lo suelta primero.
                QTest::mouseRelease(programa->Mesa->Pic_Boton[2], Qt::LeftButton, {}, QPoint(12, 14));
                accion(*ventana);
            });
            return;
        }
        if (paso) paso();
    }

    // Pulsa el botón 2 de la barra fuera de la vuelta del guion; `accion` se hace en la ventana abierta.
    void AbrirAjustes(std::function<void(zp::personal&)> accion)
    {
        enAjustes = std::move(accion);
        QTimer::singleShot(0, programa->Mesa.get(), [this] {
            zp::PictureBox* boton = programa->Mesa->Pic_Boton[2];
            QTest::mouseMove(boton, QPoint(10, 10));
            QTest::mouseMove(boton, QPoint(12, 14));
            QTest::mousePress(boton, Qt::LeftButton, {}, QPoint(12, 14));
        });
    }

    // El puntero pasa sobre un control (se le manda a él: si no, lo tomaría la mesa que hay debajo).
    static void Pasar(QWidget* control, QPoint donde)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(donde), control->mapToGlobal(QPointF(donde)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &e);
    }

    static void Clic(zp::PictureBox* control, QPoint donde = QPoint(10, 20))
    {
        Pasar(control, donde);
        QTest::mousePress(control, Qt::LeftButton, {}, donde);
        QTest::mouseRelease(control, Qt::LeftButton, {}, donde);
    }

    zp::EstadoJuego e;
    zp::Ajustes a;
    QTemporaryDir carpeta;
    RelojSinEspera reloj;
    zp::Clock* antes = nullptr;
    std::unique_ptr<zp::Programa> programa;
    QTimer guion;
    QPointer<zp::mensajes> atendida;
    std::vector<QString> titulos;
    std::map<QString, bool> respuestas;
    std::function<void(zp::personal&)> enAjustes;
    std::function<void()> paso;
    std::vector<zp::ResultadoPartida> resultados;
};

TEST_F(PersonalEnLaMesa, un_nombre_y_un_nivel_cambiados_siguen_al_volver_a_arrancar)
{
    ASSERT_FALSE(zp::GuardarAjustes(Carpeta(), e, a).has_value());
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !resultados.empty(); }, 20000));
    bool cerrada = false;
    AbrirAjustes([&](zp::personal& v) {
        v.Txt_Nombre[1]->clear();
        QTest::keyClicks(v.Txt_Nombre[1], QStringLiteral("carmen"));
        zp::PictureBox* nivel = v.Pic_Potenciometro[11];
        Pasar(nivel, QPoint(50 + 14, 25));
        QTest::mousePress(nivel, Qt::LeftButton, {}, QPoint(50 + 14, 25));
        QTest::mouseMove(nivel, QPoint(50 + 4, 25));
        QTest::mouseRelease(nivel, Qt::LeftButton, {}, QPoint(50 + 4, 25));
        Clic(v.Pic_BotSalir, QPoint(25, 25));
        cerrada = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return cerrada && !QApplication::activeModalWidget(); }, 5000));
    EXPECT_EQ(programa->a.Jugador[1].NombreJugador, "Carmen");
    EXPECT_EQ(programa->a.Jugador[1].NivelJugador, 40);
    EXPECT_FALSE(programa->e.PartidaEnCurso) << "nada de lo cambiado pide una partida nueva";
    EXPECT_EQ(resultados.size(), 1u);

    programa.reset();
    zp::Entorno() = zp::EntornoKit{};
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !resultados.empty(); }, 20000));
    EXPECT_EQ(programa->a.Jugador[1].NombreJugador, "Carmen");
    EXPECT_EQ(programa->a.Jugador[1].NivelJugador, 40);
    EXPECT_EQ(std::count(titulos.begin(), titulos.end(), QString::fromUtf8(zp::kTituloErrorAjustes.data())),
              0);
}

TEST_F(PersonalEnLaMesa, desactivar_un_asiento_en_la_primera_jugada_empieza_otra_partida_sin_el)
{
    prueba::RepartirManoAMedias(e, 3);
    ASSERT_FALSE(zp::GuardarAjustes(Carpeta(), e, a).has_value());
    bool abierta = false, nueva = false;
    paso = [&] {
        const zp::EstadoJuego& j = programa->e;
        if (!abierta && j.EsperaContinuar) {
            abierta = true;
            AbrirAjustes([](zp::personal& v) {
                Clic(v.Pic_Selector[12]);
                Clic(v.Pic_BotSalir, QPoint(25, 25));
            });
        } else if (abierta && !nueva && j.EsperaContinuar && j.NumeroMano == 1) {
            nueva = true;
            zp::abandonMatch(); // fin de la prueba
        }
    };
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return nueva && resultados.size() == 2; }, 20000));

    const zp::EstadoJuego& j = programa->e;
    EXPECT_EQ(resultados[0].Fin, zp::FinPartida::Abandonada);
    EXPECT_EQ(resultados[0].Siguiente, zp::Peticion::NuevaPartida);
    EXPECT_EQ(programa->a.NumeroJugadores, 3);
    EXPECT_EQ(programa->a.ModoJuego, zp::Modalidad::Individual);
    EXPECT_EQ(j.HuecosMano[2], 0);
    for (std::size_t p : {1u, 3u, 4u}) EXPECT_EQ(j.HuecosMano[p], 7) << p;
    // La primera jugada aún no se había hecho: no se preguntó nada.
    EXPECT_EQ(std::count(titulos.begin(), titulos.end(), QStringLiteral("Jugadores Activados")), 0);
}

TEST_F(PersonalEnLaMesa, dejar_la_red_restaurando_sigue_la_partida_de_antes)
{
    // La partida de antes de la red, a medias en la mano 3.
    zp::EstadoJuego local = e;
    prueba::RepartirManoAMedias(local, 3);
    ASSERT_FALSE(zp::GrabarEstado(Carpeta(), zp::kFicheroAntesDeRed, local, a).has_value());
    ASSERT_FALSE(zp::GuardarAjustes(Carpeta(), e, a).has_value());
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !resultados.empty(); }, 20000));
    programa->a.JuegoEnRed = true; // una partida en red, de cliente, sin nada en juego
    titulos.clear();

    respuestas[QStringLiteral("Jugar en red")] = true;
    respuestas[QStringLiteral("Restaurar situación anterior")] = true;
    AbrirAjustes([](zp::personal& v) {
        Clic(v.Pic_Buleano[3], QPoint(5, 5));
        Clic(v.Pic_BotSalir, QPoint(25, 25));
    });
    bool sigue = false;
    paso = [&] {
        const zp::EstadoJuego& j = programa->e;
        if (!sigue && j.EsperaContinuar && j.PartidaEnCurso) {
            sigue = true;
            zp::abandonMatch(); // fin de la prueba
        }
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return sigue && resultados.size() == 2; }, 20000));
    EXPECT_FALSE(programa->a.JuegoEnRed);
    EXPECT_EQ(programa->e.NumeroMano, 3);
    EXPECT_EQ(titulos, (std::vector<QString>{QStringLiteral("Jugar en red"),
                                             QStringLiteral("Restaurar situación anterior")}));
}

} // namespace
