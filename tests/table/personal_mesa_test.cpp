// Los ajustes del jugador abiertos desde el botón 2 de la barra del programa: lo cambiado sigue al volver a
// arrancar, un asiento desactivado en la primera jugada empieza otra partida sin él, y dejar la red
// restaurando la situación de antes sigue aquella partida.
#include "programa_prueba.h"

#include "settings/personal.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace {

class PersonalEnLaMesa : public prueba::ProgramaPrueba
{
protected:
    void SetUp() override
    {
        ProgramaPrueba::SetUp();
        QObject::connect(&enVentana, &QTimer::timeout, [this] {
            auto* ventana = qobject_cast<zp::personal*>(QApplication::activeModalWidget());
            if (!ventana || !enAjustes) return;
            // Fuera de la vuelta del temporizador, para que se contesten las cajas que abra.
            QTimer::singleShot(0, ventana, [this, ventana, accion = std::exchange(enAjustes, nullptr)] {
                // El botón de la barra abrió la ventana al bajar; la persona lo suelta primero.
                QTest::mouseRelease(Boton(2), Qt::LeftButton, {}, QPoint(12, 14));
                accion(*ventana);
            });
        });
        enVentana.start(10);
    }
    void TearDown() override
    {
        enVentana.stop();
        ProgramaPrueba::TearDown();
    }

    // Pulsa el botón 2 de la barra fuera de la vuelta del guion; `accion` se hace en la ventana abierta.
    void AbrirAjustes(std::function<void(zp::personal&)> accion)
    {
        enAjustes = std::move(accion);
        QTimer::singleShot(0, programa->Mesa.get(), [this] {
            Pasar(2);
            QTest::mousePress(Boton(2), Qt::LeftButton, {}, QPoint(12, 14));
        });
    }

    // El puntero pasa sobre un control de la ventana (se le manda a él: si no, lo tomaría la mesa de debajo).
    static void Sobrevolar(QWidget* control, QPoint donde)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(donde), control->mapToGlobal(QPointF(donde)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &e);
    }
    static void Clic(zp::PictureBox* control, QPoint donde = QPoint(10, 20))
    {
        Sobrevolar(control, donde);
        QTest::mousePress(control, Qt::LeftButton, {}, donde);
        QTest::mouseRelease(control, Qt::LeftButton, {}, donde);
    }

    QTimer enVentana;
    std::function<void(zp::personal&)> enAjustes;
};

TEST_F(PersonalEnLaMesa, un_nombre_y_un_nivel_cambiados_siguen_al_volver_a_arrancar)
{
    Arrancar();
    bool cerrada = false;
    AbrirAjustes([&](zp::personal& v) {
        v.Txt_Nombre[1]->clear();
        QTest::keyClicks(v.Txt_Nombre[1], QStringLiteral("carmen"));
        zp::PictureBox* nivel = v.Pic_Potenciometro[11];
        Sobrevolar(nivel, QPoint(50 + 14, 25));
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

    // El programa siguiente lee lo que dejó la ventana, no lo que la prueba guardó al principio.
    programa.reset();
    zp::Entorno() = zp::EntornoKit{};
    resultados.clear();
    primeraVez = true; // nothing written over what the window left
    Arrancar();
    EXPECT_EQ(programa->a.Jugador[1].NombreJugador, "Carmen");
    EXPECT_EQ(programa->a.Jugador[1].NivelJugador, 40);
    EXPECT_FALSE(HayCaja(QString::fromUtf8(zp::kTituloErrorAjustes.data())));
}

TEST_F(PersonalEnLaMesa, desactivar_un_asiento_en_la_primera_jugada_empieza_otra_partida_sin_el)
{
    ManoAMedias();
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
    EXPECT_FALSE(HayCaja(QStringLiteral("Jugadores Activados")));
}

TEST_F(PersonalEnLaMesa, dejar_la_red_restaurando_sigue_la_partida_de_antes)
{
    // La partida de antes de la red, a medias en la mano 3.
    zp::EstadoJuego local = e;
    prueba::RepartirManoAMedias(local, 3);
    ASSERT_FALSE(zp::GrabarEstado(Carpeta(), zp::kFicheroAntesDeRed, local, a).has_value());
    Arrancar();
    programa->a.JuegoEnRed = true; // una partida en red, de cliente, sin nada en juego
    cajas.clear();

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
    ASSERT_EQ(cajas.size(), 2u);
    EXPECT_EQ(cajas[0].titulo, QStringLiteral("Jugar en red"));
    EXPECT_EQ(cajas[1].titulo, QStringLiteral("Restaurar situación anterior"));
}

} // namespace
