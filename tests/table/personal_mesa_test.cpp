// Los ajustes del jugador abiertos desde el botón 2 de la barra del programa: lo cambiado sigue al volver a
// arrancar, un asiento desactivado en la primera jugada empieza otra partida sin él, y dejar la red
// restaurando la situación de antes sigue aquella partida, también después de caerse uno de los ordenadores
// o de salir del programa en red.
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

    // This computer's turn, in network play or not.
    bool EnSuTurno(bool enRed) const
    {
        const zp::EstadoJuego& j = programa->e;
        return programa->a.JuegoEnRed == enRed && j.PartidaEnCurso && j.ManoEnCurso && j.EsperaContinuar &&
               j.JugadorTurno == 4;
    }

    // Once started with the pause between moves off: a local match from the bar, played to this computer's
    // first turn, and from there network play as the client of `administrador`, started now. The game it
    // sets aside is kept in `partidaLocal`, its file in `ficheroApartado`, the file found on opening the
    // settings in `alEntrar`.
    void JugarEnRedTrasUnaPartidaLocal(QProcess& administrador)
    {
        respuestas[QStringLiteral("Jugar en red")] = true;
        pasos.push_back(
            {[this] { return EnSuTurno(false); },
             [this, &administrador] {
                 partidaLocal = programa->e;
                 ajustesLocales = programa->a;
                 ficheroApartado =
                     zp::ComponerFicheroEstado(zp::GenerarCadenasEstado(partidaLocal, programa->a));
                 administrador.start(ZP_PARTIDA_RED, {"--administrador", "--puerto", "0", "--clientes", "1",
                                                      "--semilla", "5", "--respuestas", "0"});
                 ASSERT_TRUE(administrador.waitForReadyRead(20000));
                 const QString linea = QString::fromUtf8(administrador.readLine()).trimmed();
                 ASSERT_TRUE(linea.startsWith(QStringLiteral("puerto "))) << linea.toStdString();
                 zp::ConexionDe(*programa)->Puerto = quint16(linea.mid(7).toUInt());
                 AbrirAjustes([this](zp::personal& v) {
                     alEntrar = LeerFichero("ZARPE33.ARE");
                     CambiarRed(v, true);
                     Clic(v.Pic_BotSalir, QPoint(25, 25));
                 });
             }});
        PulsarLuego(1);
    }

    // The program started again on what the last one left on disk, with a script of its own.
    void ArrancarOtraVez()
    {
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        resultados.clear();
        cajas.clear();
        pasos.clear();
        pasoActual = 0;
        primeraVez = true;
        Arrancar();
    }

    static void Terminar(QProcess& administrador)
    {
        if (administrador.state() != QProcess::NotRunning) administrador.kill();
        administrador.waitForFinished();
    }

    zp::EstadoJuego partidaLocal;
    zp::Ajustes ajustesLocales;
    std::string ficheroApartado, alEntrar;
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
    QProcess administrador;
    std::string alVolver;
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
    respuestas[QStringLiteral("Juego en red")] = true; // Aceptar: connect again
    respuestas[QStringLiteral("Restaurar situación anterior")] = true;

    JugarEnRedTrasUnaPartidaLocal(administrador);
    // In the middle of the network match, with this computer's snapshot of it on disk, one computer falls.
    pasos.push_back({[&] { return EnSuTurno(true) && QFile::exists(Fichero("ZARPE33.DRE")); },
                     [&] {
                         caido = true;
                         if (caeEsteOrdenador) {
                             zp::abandonMatch(); // killed where it stands: nothing of the exit runs
                             return;
                         }
                         enAjustes = volverARed; // the settings open to connect again
                         administrador.kill();
                     }});
    if (caeEsteOrdenador) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return caido && !zp::matchLoopRunning(); }, 30000));
        // Started again on what the killed program left on disk; the host plays that seat from then on.
        ArrancarOtraVez();
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
        {[&] { return EnSuTurno(false) && HayCaja(QStringLiteral("Restaurar situación anterior")); },
         [&] {
             const zp::EstadoJuego& j = programa->e;
             EXPECT_EQ(j.NumeroMano, partidaLocal.NumeroMano);
             EXPECT_EQ(j.NumeroJugada, partidaLocal.NumeroJugada);
             EXPECT_EQ(j.Manos, partidaLocal.Manos);
             EXPECT_FALSE(QFile::exists(Fichero("ZARPE33.ARE"))) << "given back, set aside no more";
             restaurada = true;
             zp::abandonMatch(); // fin de la prueba
         }});
    ASSERT_TRUE(QTest::qWaitFor([&] { return restaurada && !zp::matchLoopRunning(); }, 60000));
    EXPECT_EQ(alEntrar, ficheroApartado);
    EXPECT_EQ(alVolver, ficheroApartado) << "opening the settings to join again left it as it was";
    Terminar(administrador);
}

// Leaving the program from a network game ends network play: the next start takes up the game set aside when
// it began, where it was, as leaving network play restoring it would have.
TEST_F(PersonalEnLaMesa, salir_del_programa_en_red_deja_la_partida_de_antes_para_el_siguiente_arranque)
{
    a.PausaEntreJugadas = false;
    Arrancar(7);
    QProcess administrador;
    respuestas[QStringLiteral("Salir del programa")] = true;
    JugarEnRedTrasUnaPartidaLocal(administrador);
    pasos.push_back({[this] { return EnSuTurno(true); }, [this] { PulsarLuego(7); }});
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !zp::matchLoopRunning() && resultados.back().Siguiente == zp::Peticion::Salir; },
        60000));
    EXPECT_TRUE(HayCaja(QStringLiteral("Salir del programa")));
    EXPECT_EQ(alEntrar, ficheroApartado);
    zp::Ajustes conDireccion = ajustesLocales;
    conDireccion.Jugador[4].DireccionIP = "127.0.0.1";
    EXPECT_EQ(LeerFichero("ZARPE33.INI"),
              zp::ComponerFicheroEstado(zp::GenerarCadenasEstado(partidaLocal, conDireccion)))
        << "the game from before network play, with the host's address typed since, for the next start";
    Terminar(administrador);

    bool sigue = false;
    paso = [&] {
        if (sigue || !EnSuTurno(false)) return;
        sigue = true;
        const zp::EstadoJuego& j = programa->e;
        EXPECT_EQ(j.NumeroMano, partidaLocal.NumeroMano);
        EXPECT_EQ(j.NumeroJugada, partidaLocal.NumeroJugada);
        EXPECT_EQ(j.Manos, partidaLocal.Manos);
        EXPECT_EQ(j.HuecosMano, partidaLocal.HuecosMano);
        zp::abandonMatch(); // fin de la prueba
    };
    ArrancarOtraVez();
    EXPECT_TRUE(sigue);
    EXPECT_TRUE(HayCaja(QStringLiteral("Continuar la partida anterior")));
    EXPECT_FALSE(programa->a.JuegoEnRed);
    EXPECT_EQ(programa->a.Jugador[4].DireccionIP, "127.0.0.1");
    EXPECT_FALSE(QFile::exists(Fichero("ZARPE33.ARE"))) << "given back, set aside no more";
}

// Leaving a network game takes nothing of it to the settings file, whatever becomes of the game set aside:
// none is there to give back; one that cannot be read is said and goes; one the settings file cannot take
// (made read-only, Cancelar to leave without saving) stays set aside.
TEST_F(PersonalEnLaMesa, salir_en_red_no_guarda_la_partida_en_red_y_la_de_antes_solo_se_va_devuelta)
{
    struct Caso
    {
        const char* nombre;
        const char* apartada; // the bytes of the file set aside; null: none, empty: a half-played game
        bool soloLectura;     // the settings file made read-only
        const char* aviso;    // the box shown on leaving, besides none
        bool quedaApartada;
    };
    const Caso casos[] = {
        {"sin partida apartada", nullptr, false, nullptr, false},
        {"apartada ilegible", "basura", false, "Error en la carga de datos", false},
        {"ajustes de solo lectura", "", true, "Error al guardar los ajustes", true},
    };
    zp::EstadoJuego apartado;
    prueba::RepartirManoAMedias(apartado, 3);
    respuestas[QStringLiteral("Salir del programa")] = true;
    respuestas[QStringLiteral("Error al guardar los ajustes")] = false;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        resultados.clear();
        QFile::setPermissions(Fichero("ZARPE33.INI"), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(Fichero("ZARPE33.ARE"));
        Arrancar();
        const std::string ajustes = LeerFichero("ZARPE33.INI");
        if (caso.apartada && *caso.apartada) {
            QFile f(Fichero("ZARPE33.ARE"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(caso.apartada);
        } else if (caso.apartada) {
            ASSERT_FALSE(zp::GrabarEstado(Carpeta(), zp::kFicheroAntesDeRed, apartado, a).has_value());
        }
        const std::string previa = LeerFichero("ZARPE33.ARE");
        if (caso.soloLectura) QFile::setPermissions(Fichero("ZARPE33.INI"), QFile::ReadOwner);
        programa->e = apartado; // a network game half played: not this computer's to keep
        programa->a.JuegoEnRed = true;
        cajas.clear();
        Pulsar(7);
        ASSERT_TRUE(QTest::qWaitFor([this] { return resultados.size() == 2; }, 5000));

        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        EXPECT_EQ(LeerFichero("ZARPE33.INI"), ajustes);
        std::vector<std::string> avisos;
        for (const prueba::Caja& c : cajas)
            if (c.titulo != QStringLiteral("Salir del programa")) avisos.push_back(c.titulo.toStdString());
        EXPECT_EQ(avisos, caso.aviso ? std::vector<std::string>{caso.aviso} : std::vector<std::string>{});
        EXPECT_EQ(LeerFichero("ZARPE33.ARE"), caso.quedaApartada ? previa : "(no está)");
    }
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return hecho && !zp::matchLoopRunning(); }, 20000));
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
