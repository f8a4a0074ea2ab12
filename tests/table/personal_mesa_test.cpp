// Los ajustes del jugador abiertos desde el botón 2 de la barra del programa: lo cambiado sigue al volver a
// arrancar, un asiento desactivado en la primera jugada empieza otra partida sin él, y dejar la red
// restaurando la situación de antes sigue aquella partida, también después de caerse uno de los ordenadores.
#include "ajustes_en_mesa.h"

#include "network/conexion_red.h"
#include "settings/core/cadenas_estado.h"
#include "settings/personal.h"

#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QTcpServer>

namespace {

class PersonalEnLaMesa : public prueba::AjustesEnLaMesa
{
protected:
    // The window's network switch turned on or off; on, as a client of the host at this computer.
    static void CambiarRed(zp::personal& v, bool enRed)
    {
        Clic(v.Pic_Buleano[3], QPoint(5, 5));
        if (!enRed) return;
        v.Txt_IPAdmin->selectAll();
        QTest::keyClicks(v.Txt_IPAdmin, QStringLiteral("127.0.0.1"));
    }

    std::string LeerFichero(const char* nombre) const
    {
        QFile f(Fichero(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(no está)");
    }

    // A local match started from the bar and played to this computer's first turn; then network play with a
    // host in a process of its own, and one of the two computers lost in the middle of the network match:
    // this one killed (and started again), or the host. Then this computer joins again, finds nobody, and
    // leaves network play restoring the game from before it.
    void PerderLaRedYRestaurar(bool caeEsteOrdenador);
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

void PersonalEnLaMesa::PerderLaRedYRestaurar(bool caeEsteOrdenador)
{
    a.PausaEntreJugadas = false;
    Arrancar(7);
    const auto enSuTurno = [this](bool enRed) {
        const zp::EstadoJuego& j = programa->e;
        return programa->a.JuegoEnRed == enRed && j.PartidaEnCurso && j.ManoEnCurso && j.EsperaContinuar &&
               j.JugadorTurno == 4;
    };
    QProcess administrador;
    zp::EstadoJuego local;
    std::string apartada, alEntrar, alVolver;
    quint16 sinNadie = 0; // nobody listens there: joining again finds no host
    {
        QTcpServer cerrado;
        ASSERT_TRUE(cerrado.listen(QHostAddress::LocalHost));
        sinNadie = cerrado.serverPort();
    }
    const auto volverARed = [&](zp::personal& v) {
        alVolver = LeerFichero("ZARPE33.ARE");
        zp::ConexionDe(*programa)->Puerto = sinNadie;
        CambiarRed(v, true);
        Clic(v.Pic_BotSalir, QPoint(25, 25));
    };
    bool caido = false, restaurada = false;
    respuestas[QStringLiteral("Jugar en red")] = true;
    respuestas[QStringLiteral("Juego en red")] = true; // Aceptar: connect again
    respuestas[QStringLiteral("Restaurar situación anterior")] = true;

    // A local match started from the bar, played to this computer's turn: the game network play sets aside.
    pasos.push_back({[&] { return enSuTurno(false); },
                     [&] {
                         local = programa->e;
                         apartada = zp::ComponerFicheroEstado(zp::GenerarCadenasEstado(local, programa->a));
                         administrador.start(ZP_PARTIDA_RED,
                                             {"--administrador", "--puerto", "0", "--clientes", "1",
                                              "--semilla", "5", "--respuestas", "0"});
                         ASSERT_TRUE(administrador.waitForReadyRead(20000));
                         const QString linea = QString::fromUtf8(administrador.readLine()).trimmed();
                         ASSERT_TRUE(linea.startsWith(QStringLiteral("puerto "))) << linea.toStdString();
                         zp::ConexionDe(*programa)->Puerto = quint16(linea.mid(7).toUInt());
                         AbrirAjustes([&](zp::personal& v) {
                             alEntrar = LeerFichero("ZARPE33.ARE");
                             CambiarRed(v, true);
                             Clic(v.Pic_BotSalir, QPoint(25, 25));
                         });
                     }});
    // In the middle of the network match, with this computer's snapshot of it on disk, one computer falls.
    pasos.push_back({[&] { return enSuTurno(true) && QFile::exists(Fichero("ZARPE33.DRE")); },
                     [&] {
                         caido = true;
                         if (caeEsteOrdenador) {
                             zp::abandonMatch(); // killed where it stands: nothing of the exit runs
                             return;
                         }
                         enAjustes = volverARed; // the settings open to connect again
                         administrador.kill();
                     }});
    PulsarLuego(1);
    if (caeEsteOrdenador) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return caido && !programa->BucleEnMarcha; }, 30000));
        // Started again on what the killed program left on disk; the host plays that seat from then on.
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        resultados.clear();
        cajas.clear();
        pasos.clear();
        pasoActual = 0;
        primeraVez = true;
        Arrancar();
        EXPECT_FALSE(programa->e.PartidaEnCurso) << "the settings file held no game";
        AbrirAjustes(volverARed);
    }
    // Nobody answers: the person leaves network play and takes the game from before it back.
    pasos.push_back({[&] { return !alVolver.empty() && programa->a.JuegoEnRed; },
                     [&] {
                         AbrirAjustes([](zp::personal& v) {
                             CambiarRed(v, false);
                             Clic(v.Pic_BotSalir, QPoint(25, 25));
                         });
                     }});
    pasos.push_back(
        {[&] { return enSuTurno(false) && HayCaja(QStringLiteral("Restaurar situación anterior")); },
         [&] {
             const zp::EstadoJuego& j = programa->e;
             EXPECT_EQ(j.NumeroMano, local.NumeroMano);
             EXPECT_EQ(j.NumeroJugada, local.NumeroJugada);
             EXPECT_EQ(j.Manos, local.Manos);
             EXPECT_FALSE(QFile::exists(Fichero("ZARPE33.ARE"))) << "given back, set aside no more";
             restaurada = true;
             zp::abandonMatch(); // fin de la prueba
         }});
    ASSERT_TRUE(QTest::qWaitFor([&] { return restaurada && !programa->BucleEnMarcha; }, 60000));
    EXPECT_EQ(alEntrar, apartada);
    EXPECT_EQ(alVolver, apartada) << "opening the settings to join again left it as it was";
    if (administrador.state() != QProcess::NotRunning) administrador.kill();
    administrador.waitForFinished();
}

// A game set aside when network play began (left on disk by a network game that ended some other way) gives
// way to a new local match: from then on the settings take their snapshot of the table again.
TEST_F(PersonalEnLaMesa, una_partida_local_nueva_ocupa_el_lugar_de_la_apartada)
{
    zp::EstadoJuego apartado;
    prueba::RepartirManoAMedias(apartado, 3);
    ASSERT_FALSE(zp::GrabarEstado(Carpeta(), zp::kFicheroAntesDeRed, apartado, a).has_value());
    const std::string apartada = LeerFichero("ZARPE33.ARE");
    a.PausaEntreJugadas = false;
    Arrancar(7);
    std::string alAbrir, conLaNueva, alCerrar;
    bool hecho = false;
    AbrirAjustes([&](zp::personal& v) {
        alAbrir = LeerFichero("ZARPE33.ARE");
        Clic(v.Pic_BotSalir, QPoint(25, 25));
    });
    pasos.push_back({[&] { return !alAbrir.empty(); }, [&] { PulsarLuego(1); }});
    pasos.push_back({[&] { return programa->e.PartidaEnCurso && programa->e.EsperaContinuar; },
                     [&] {
                         AbrirAjustes([&](zp::personal& v) {
                             conLaNueva = LeerFichero("ZARPE33.ARE");
                             Clic(v.Pic_BotSalir, QPoint(25, 25));
                             alCerrar = LeerFichero("ZARPE33.ARE");
                             hecho = true;
                             zp::abandonMatch(); // fin de la prueba
                         });
                     }});
    ASSERT_TRUE(QTest::qWaitFor([&] { return hecho && !programa->BucleEnMarcha; }, 20000));
    EXPECT_EQ(alAbrir, apartada) << "still set aside";
    EXPECT_NE(conLaNueva, apartada);
    EXPECT_NE(conLaNueva, "(no está)") << "the table's snapshot, taken on opening";
    EXPECT_EQ(alCerrar, "(no está)") << "network play did not begin: no snapshot kept";
}

TEST_F(PersonalEnLaMesa, la_partida_de_antes_de_la_red_sobrevive_a_que_se_caiga_este_ordenador)
{
    PerderLaRedYRestaurar(true);
}

TEST_F(PersonalEnLaMesa, la_partida_de_antes_de_la_red_sobrevive_a_que_se_caiga_el_administrador)
{
    PerderLaRedYRestaurar(false);
}

} // namespace
