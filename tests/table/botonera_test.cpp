// La botonera de la mesa: salir guarda los ajustes y termina, preguntando antes si hay partida; una nueva
// partida durante otra pregunta y empieza desde el bucle de arriba, cuando la vieja ya ha vuelto; cada botón
// enseña con su puntero si se puede usar; la ayuda abre su ventana.
#include "programa_prueba.h"

#include "network/conexion_red.h"
#include "table/botonera.h"
#include "table/tutor_mesa.h"

#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSet>
#include <QTextBrowser>
#include <filesystem>

namespace {

const QString kPosponer = QStringLiteral("Posponer la partida en curso");
const QString kAbandonar = QStringLiteral("Abandonar la partida en curso");
const QString kContinuarAnterior = QStringLiteral("Continuar la partida anterior");

struct Botonera : prueba::ProgramaPrueba
{
    // Leaves with a data folder where nothing can be made. The first error box is answered Aceptar; the
    // second Aceptar with the folder mended (`arreglar`), or Cancelar.
    void SalirSinPoderGuardar(bool arreglar)
    {
        const QString kErrorGuardar = QStringLiteral("Error al guardar los ajustes");
        if (!QFileInfo(QStringLiteral("/sys")).isDir()) GTEST_SKIP() << "sin /sys";
        int errores = 0;
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo != kErrorGuardar) return std::nullopt;
            if (++errores < 2) return true;
            if (arreglar) programa->CarpetaDatos = Carpeta();
            return arreglar;
        };
        Arrancar();
        ASSERT_TRUE(QFile::remove(Fichero("ZARPE33.INI")));
        programa->CarpetaDatos = "/sys/";
        Pulsar(7);
        ASSERT_TRUE(QTest::qWaitFor([this] { return resultados.size() == 2; }, 5000));

        EXPECT_EQ(errores, 2);
        EXPECT_EQ(QFileInfo::exists(Fichero("ZARPE33.INI")), arreglar);
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
    }
};
using prueba::Caja;

TEST_F(Botonera, salir_sin_partida_guarda_los_ajustes_en_la_carpeta_de_trabajo_y_termina)
{
    Arrancar();
    ASSERT_TRUE(QFile::remove(Fichero("ZARPE33.INI")));
    {
        QFile copia(Fichero("ZARPE33.ARE"));
        ASSERT_TRUE(copia.open(QIODevice::WriteOnly));
    }
    const std::size_t antesDeSalir = cajas.size();

    Pulsar(7);
    ASSERT_TRUE(QTest::qWaitFor([this] { return resultados.size() == 2; }, 5000));

    EXPECT_EQ(cajas.size(), antesDeSalir) << "sin partida no pregunta";
    EXPECT_TRUE(QFileInfo::exists(Fichero("ZARPE33.INI")));
    EXPECT_FALSE(QFileInfo::exists(Fichero("ZARPE33.ARE")));
    EXPECT_FALSE(programa->Mesa->isVisible());
    EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
}

TEST_F(Botonera, salir_durante_una_partida_pregunta_antes_y_con_no_se_sigue_jugando)
{
    ManoAMedias();
    respuestas[kPosponer] = false;
    bool pulsado = false, comprobado = false, seguia = false;
    paso = [&] {
        zp::EstadoJuego& j = programa->e;
        if (!pulsado && j.EsperaContinuar) {
            pulsado = true;
            PulsarLuego(7);
        } else if (pulsado && !comprobado && HayCaja(kPosponer)) {
            comprobado = true;
            seguia = j.PartidaEnCurso && j.EsperaContinuar && programa->Mesa->isVisible();
            zp::abandonMatch(); // fin de la prueba
        }
    };
    Arrancar();

    ASSERT_TRUE(comprobado);
    EXPECT_TRUE(seguia) << "la partida sigue esperando su jugada";
    ASSERT_EQ(resultados.size(), 1u);
    EXPECT_NE(resultados[0].Siguiente, zp::Peticion::Salir);
}

// Un fallo al guardar al salir se dice: Aceptar lo intenta otra vez, Cancelar sale sin guardar.
TEST_F(Botonera, salir_con_un_fallo_al_guardar_lo_dice_y_con_aceptar_lo_intenta_otra_vez)
{
    SalirSinPoderGuardar(true);
}

TEST_F(Botonera, salir_con_un_fallo_al_guardar_lo_dice_y_con_cancelar_sale_sin_guardar)
{
    SalirSinPoderGuardar(false);
}

// A settings file the person made read-only is not replaced at the exit, not even by the administrator: it is
// a save that cannot be made, said in the box. Cancelar leaves it as it was, mode included; Aceptar once it
// is writable again saves.
TEST_F(Botonera, salir_con_los_ajustes_de_solo_lectura_lo_dice_y_no_los_reemplaza)
{
    namespace fs = std::filesystem;
    const QString kErrorGuardar = QStringLiteral("Error al guardar los ajustes");
    for (const bool arreglar : {false, true}) {
        SCOPED_TRACE(arreglar);
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        cajas.clear();
        resultados.clear();
        const std::string ini = Fichero("ZARPE33.INI").toStdString();
        if (fs::exists(ini)) fs::permissions(ini, fs::perms(0644));
        a.Jugador[1].NombreJugador = "Carmen";
        Arrancar();
        QFile fichero(Fichero("ZARPE33.INI"));
        ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
        const QByteArray guardados = fichero.readAll();
        fichero.close();
        fs::permissions(ini, fs::perms(0444));
        programa->a.Jugador[1].NombreJugador = "Luis";
        int errores = 0;
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo != kErrorGuardar) return std::nullopt;
            ++errores;
            if (arreglar) fs::permissions(ini, fs::perms(0644));
            return arreglar;
        };
        Pulsar(7);
        ASSERT_TRUE(QTest::qWaitFor([this] { return resultados.size() == 2; }, 5000));
        responder = nullptr;

        EXPECT_EQ(errores, 1);
        ASSERT_TRUE(HayCaja(kErrorGuardar));
        EXPECT_EQ(
            cajas.back().texto,
            QStringLiteral("No se ha podido guardar el fichero ZARPE33.INI (CID ERROR 75): los ajustes se "
                           "perderán al salir. Pulse Aceptar para intentarlo de nuevo o Cancelar para "
                           "salir sin guardar."));
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
        EXPECT_EQ(fichero.readAll().contains("Luis"), arreglar);
        fichero.close();
        if (!arreglar) {
            ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
            EXPECT_EQ(fichero.readAll(), guardados);
            fichero.close();
            EXPECT_EQ(fs::status(ini).permissions(), fs::perms(0444));
        }
    }
}

TEST_F(Botonera, nueva_partida_durante_otra_pregunta_y_empieza_desde_arriba_en_la_mano_uno)
{
    ManoAMedias();
    respuestas[kAbandonar] = true;
    bool pulsado = false, terminado = false;
    zp::Entero manoAntes = 0, manoNueva = 0;
    std::size_t vueltasAntesDeLaNueva = 0;
    paso = [&] {
        zp::EstadoJuego& j = programa->e;
        if (!pulsado && j.EsperaContinuar) {
            pulsado = true;
            manoAntes = j.NumeroMano;
            PulsarLuego(1);
        } else if (pulsado && !terminado && HayCaja(kAbandonar) && j.EsperaContinuar && j.PartidaEnCurso) {
            // La nueva partida ya espera su primera jugada.
            terminado = true;
            manoNueva = j.NumeroMano;
            vueltasAntesDeLaNueva = resultados.size();
            zp::abandonMatch(); // fin de la prueba
        }
    };
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return terminado && resultados.size() == 2; }, 20000));

    EXPECT_TRUE(HayCaja(kContinuarAnterior));
    EXPECT_EQ(manoAntes, 3);
    EXPECT_EQ(manoNueva, 1);
    // La partida vieja había vuelto al bucle de arriba, abandonada y pidiendo la nueva, antes de que esta
    // empezara.
    ASSERT_EQ(vueltasAntesDeLaNueva, 1u);
    EXPECT_EQ(resultados[0].Fin, zp::FinPartida::Abandonada);
    EXPECT_EQ(resultados[0].Siguiente, zp::Peticion::NuevaPartida);
}

// Pairs with fewer than four seats in play, from a hand-edited settings file or however the settings came:
// the new match is dealt and played individually, as leaving the player settings would have left them,
// whether the bar asked for it or the network start-up and the settings windows did. A match that still
// cannot be dealt says why.
TEST_F(Botonera, nueva_partida_por_parejas_sin_los_cuatro_asientos_se_reparte_individual)
{
    const QString kNueva = QStringLiteral("Comenzar nueva partida");
    zp::MarcarAsientos("124", a);
    a.NumeroJugadores = 4;
    a.ModoJuego = zp::Modalidad::Parejas;
    respuestas[kAbandonar] = true;
    Arrancar();
    EXPECT_EQ(programa->a.ModoJuego, zp::Modalidad::Individual) << "settled as the file is read";
    EXPECT_EQ(programa->a.NumeroJugadores, 3);
    const std::vector<std::pair<const char*, std::function<void()>>> formas = {
        {"from the file, by the bar", [&] { Pulsar(1); }},
        {"pairs again, by the bar",
         [&] {
             programa->a.ModoJuego = zp::Modalidad::Parejas;
             Pulsar(1);
         }},
        {"pairs again, asked for by another window",
         [&] {
             programa->a.ModoJuego = zp::Modalidad::Parejas;
             zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida);
         }},
    };
    for (const auto& [como, pedir] : formas) {
        SCOPED_TRACE(como);
        const std::size_t yaAcabadas = resultados.size();
        bool repartida = false;
        pasoActual = 0;
        pasos = {{[&] { return programa->e.ManoEnCurso && programa->e.EsperaContinuar; },
                  [&] {
                      const zp::EstadoJuego& j = programa->e;
                      repartida = j.FichasEnMano[3] == 0 && j.FichasEnMano[1] == 7 && j.FichasEnMano[4] == 7;
                      zp::abandonMatch(); // fin de la prueba
                  }}};
        pedir();
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == yaAcabadas + 1; }, 20000));
        EXPECT_TRUE(repartida);
        EXPECT_EQ(programa->a.ModoJuego, zp::Modalidad::Individual);
        EXPECT_FALSE(HayCaja(kNueva));
    }

    // One seat left in play: the match asked for is closed at once, and the box says why.
    pasos.clear();
    zp::MarcarAsientos("4", programa->a);
    zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 5; }, 20000));
    EXPECT_EQ(resultados.back().Fin, zp::FinPartida::ReglasNoValidas);
    ASSERT_TRUE(HayCaja(kNueva));
    EXPECT_TRUE(cajas.back().texto.contains(QStringLiteral("dos jugadores activados")))
        << cajas.back().texto.toStdString();
}

TEST_F(Botonera, cada_boton_muestra_con_su_puntero_si_se_puede_usar)
{
    Arrancar();
    zp::EstadoJuego& j = programa->e;
    zp::Ajustes& ajustes = programa->a;
    const zp::EstadoJuego limpio = j;
    bool& esperando = dynamic_cast<zp::ConexionRed&>(*programa->Conexion).Estado.EsperandoConexiones;
    struct Caso
    {
        const char* que;
        int boton;
        std::function<void()> preparar;
        bool utilizable;
    };
    auto manual = [&] {
        j.JugadorTurno = 4;
        ajustes.Jugador[4].ControlJugador = zp::Control::Manual;
        ajustes.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
        j.ManoEnCurso = true;
        j.EsperaContinuar = true;
        j.NumeroJugada = 3;
    };
    const std::vector<Caso> casos = {
        {"nueva partida", 1, [] {}, true},
        {"nueva partida con la grabadora", 1, [&] { j.GrabadoraActiva = true; }, false},
        {"normas", 3, [] {}, true},
        {"normas mientras el administrador espera a sus jugadores", 3, [&] { esperando = true; }, false},
        {"tutor sin partida", 4, [] {}, false},
        {"tutor esperando al jugador manual", 4, manual, true},
        {"tutor con la grabadora", 4,
         [&] {
             manual();
             j.GrabadoraActiva = true;
         },
         false},
        {"tutor mientras juega la máquina", 4,
         [&] {
             manual();
             ajustes.Jugador[4].ControlJugador = zp::Control::Automatico;
         },
         false},
        {"marcador", 5, [] {}, true},
        {"ayuda", 6, [] {}, true},
        {"salir", 7, [&] { j.GrabadoraActiva = true; }, true},
        {"estadísticas sin jugadas", 8, [] {}, false},
        {"estadísticas con jugadas", 8, manual, true},
        {"estadísticas con la mano oculta", 8,
         [&] {
             manual();
             ajustes.Jugador[4].FichasJugador = zp::VistaFichas::Ocultas;
         },
         false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        j = limpio;
        esperando = false;
        ajustes.Jugador[4].ControlJugador = zp::Control::Manual;
        ajustes.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
        zp::PonerPuntero(Boton(c.boton), zp::kPunteroProhibido);
        c.preparar();
        Pasar(c.boton);
        if (c.utilizable) {
            EXPECT_EQ(zp::PunteroDe(Boton(c.boton)), zp::kPunteroPropio);
            EXPECT_EQ(zp::CursorDe(Boton(c.boton)), QStringLiteral("manoindice"));
        } else {
            EXPECT_EQ(zp::PunteroDe(Boton(c.boton)), zp::kPunteroProhibido);
        }
    }
    EXPECT_EQ(Boton(7)->toolTip(), QStringLiteral("Salir de la aplicación"));

    // La mano vuelve a prohibido cuando el estado cambia, y un botón prohibido no hace nada al pulsarlo.
    j = limpio;
    zp::PonerPuntero(Boton(1), zp::kPunteroProhibido);
    Pasar(1);
    ASSERT_EQ(zp::PunteroDe(Boton(1)), zp::kPunteroPropio);
    j.GrabadoraActiva = true;
    const std::size_t cajasAntes = cajas.size();
    Pulsar(1);
    EXPECT_EQ(zp::PunteroDe(Boton(1)), zp::kPunteroProhibido);
    QTest::qWait(50);
    EXPECT_EQ(cajas.size(), cajasAntes);
    EXPECT_EQ(resultados.size(), 1u) << "no ha empezado ninguna partida";
    EXPECT_FALSE(j.PartidaEnCurso);
}

TEST_F(Botonera, el_tutor_enciende_tres_veces_la_bombilla_junto_a_la_ficha_que_jugaria_la_maquina)
{
    ManoAMedias();
    e.JugadorTurno = 4; // la persona, que sale libremente
    e.JugadorSalida = 4;
    int conBombilla = 0, conFlecha = 0;
    QPoint bombilla;
    reloj.alPausar = [&] {
        if (!programa || !programa->e.ModoAyuda) return;
        const zp::mesa& m = *programa->Mesa;
        if (m.Ima_IndiTuto.Visible()) {
            ++conBombilla;
            bombilla = m.Ima_IndiTuto.Rectangulo().topLeft();
        }
        if (m.Ima_FlechaDer.Visible() || m.Ima_FlechaIzq.Visible()) ++conFlecha;
    };
    bool pulsado = false, hecho = false, comprobado = false, seguia = false;
    zp::Entero hueco = 0;
    paso = [&] {
        zp::EstadoJuego& j = programa->e;
        if (!pulsado && j.EsperaContinuar && j.JugadorTurno == 4) {
            pulsado = true;
            QTimer::singleShot(0, programa->Mesa.get(), [&] {
                Pulsar(4);
                hecho = true;
            });
        } else if (hecho && !comprobado) {
            comprobado = true;
            hueco = j.HuecoFicha;
            seguia = j.EsperaContinuar && !j.ModoAyuda && j.FichasEnMano[4] == 7 && j.NumeroJugada == 1;
            zp::abandonMatch(); // fin de la prueba
        }
    };
    Arrancar();

    ASSERT_TRUE(comprobado);
    EXPECT_EQ(conBombilla, 3);
    EXPECT_EQ(conFlecha, 0) << "con la línea vacía el extremo no importa";
    ASSERT_GE(hueco, 1);
    EXPECT_EQ(bombilla, zp::SitioBombillaTutor(programa->e, programa->Medidas, 4, hueco));
    EXPECT_FALSE(programa->Mesa->Ima_IndiTuto.Visible());
    EXPECT_TRUE(seguia) << "la sugerencia no juega: la persona sigue teniendo el turno";
}

TEST_F(Botonera, el_boton_de_ayuda_abre_la_ventana_de_ayuda_en_su_indice_centrada_y_esc_la_cierra)
{
    Arrancar();
    ASSERT_EQ(zp::AyudaAbierta(), nullptr);
    Pulsar(6);
    QPointer<zp::VisorAyuda> ayuda = zp::AyudaAbierta();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_TRUE(ayuda->PaginaMostrada().toString().endsWith(QStringLiteral("indice.html")));
    const QPoint centro = zp::screenArea().center();
    EXPECT_LE((ayuda->geometry().center() - centro).manhattanLength(), 4) << "centred, its frame aside";
    QTest::keyClick(ayuda->Navegador(), Qt::Key_Escape);
    EXPECT_TRUE(!ayuda || !ayuda->isVisible());
}

// The help closed with Esc gives the keyboard back to the table: a key goes on with the game as before the
// help opened, with no click first.
TEST_F(Botonera, tras_cerrar_la_ayuda_con_esc_una_tecla_vuelve_a_ser_continuar)
{
    ManoAMedias();
    zp::Entero jugada = 0;
    QWindow* teclado = nullptr;
    pasos = {
        {[&] { return programa->e.EsperaContinuar && programa->Mesa->Grabadora.BucleEsperando; },
         [&] {
             jugada = programa->e.NumeroJugada;
             Pulsar(6);
             ASSERT_NE(zp::AyudaAbierta(), nullptr);
             ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == zp::AyudaAbierta(); }));
             QTest::keyClick(zp::AyudaAbierta()->Navegador(), Qt::Key_Escape);
             QTest::qWait(20);
             // Where the window system sends the next key.
             teclado = QGuiApplication::focusWindow();
             ASSERT_NE(teclado, nullptr);
             QTest::keyClick(teclado, Qt::Key_C);
         }},
        {[&] { return programa->e.NumeroJugada > jugada && programa->e.EsperaContinuar; },
         [&] { zp::abandonMatch(); }},
    };
    Arrancar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasoActual == 2; }, 5000)) << "the key went on with the game";
    EXPECT_EQ(teclado, programa->Mesa->windowHandle());
    EXPECT_EQ(QApplication::activeWindow(), programa->Mesa.get());
}

// Each refusal says why in a box of its own, and nothing starts or leaves.
TEST_F(Botonera, cada_negativa_de_un_boton_lo_explica_en_su_caja)
{
    Arrancar();
    zp::EstadoJuego& j = programa->e;
    zp::Ajustes& aj = programa->a;
    const zp::EstadoJuego limpio = j;
    const zp::Ajustes ajustesLimpios = aj;
    auto tutor = [&] {
        j.JugadorTurno = 4;
        aj.Jugador[4].ControlJugador = zp::Control::Manual;
        j.ManoEnCurso = j.EsperaContinuar = true;
    };
    const QString red = QStringLiteral("Partida en red"), salir = QStringLiteral("Salir del programa"),
                  nueva = QStringLiteral("Comenzar nueva partida");
    const std::vector<std::tuple<int, std::function<void()>, QString>> casos = {
        {1, [&] { aj.JuegoEnRed = true, aj.ModoRed = zp::PapelRed::Cliente; }, red},
        {4, [&] { tutor(), aj.JuegoEnRed = true; }, red},
        {7, [&] { j.EligiendoSalida = true; }, salir},
        {7, [&] { j.GrabadoraActiva = true; }, salir},
        {1, [&] { zp::MarcarAsientos("4", aj); }, nueva},
        {1, [&] { zp::MarcarAsientos("124", aj), aj.FichasPorJugador = 10; }, nueva},
    };
    QSet<QString> textos;
    for (const auto& [boton, preparar, titulo] : casos) {
        SCOPED_TRACE(titulo.toStdString() + " " + std::to_string(boton));
        j = limpio;
        aj = ajustesLimpios;
        preparar();
        cajas.clear();
        Pulsar(boton);
        ASSERT_EQ(cajas.size(), 1u);
        EXPECT_EQ(cajas[0].titulo, titulo);
        textos.insert(cajas[0].texto);
        EXPECT_TRUE(programa->Mesa->isVisible());
    }
    EXPECT_EQ(textos.size(), casos.size()) << "each refusal gives its own reason";
    QTest::qWait(30);
    EXPECT_EQ(resultados.size(), 1u) << "nothing started and nobody left";
}

TEST_F(Botonera, cerrar_la_ventana_es_pulsar_salir_y_con_si_guarda_la_partida_para_otro_momento)
{
    ManoAMedias();
    respuestas[kPosponer] = false;
    int cierres = 0;
    paso = [&] {
        if (!programa->e.EsperaContinuar) return;
        if (cierres == 1 && HayCaja(kPosponer)) {
            EXPECT_TRUE(programa->Mesa->isVisible() && programa->e.PartidaEnCurso) << "No: play goes on";
            respuestas[kPosponer] = true;
        }
        if (cierres < 2 && std::count_if(cajas.begin(), cajas.end(),
                                         [](const Caja& c) { return c.titulo == kPosponer; }) == cierres) {
            ++cierres;
            programa->Mesa->close(); // as the window manager's close button does
        }
    };
    Arrancar();
    // The program has left, its settings file keeping the half-played hand for another day.
    ASSERT_EQ(resultados.size(), 1u);
    EXPECT_EQ(resultados[0].Siguiente, zp::Peticion::Salir);
    EXPECT_FALSE(programa->Mesa->isVisible());
    zp::EstadoJuego leido;
    zp::Ajustes ajustesLeidos;
    ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
    EXPECT_TRUE(leido.PartidaEnCurso && leido.ManoEnCurso);
    EXPECT_EQ(leido.NumeroMano, 3);
}

} // namespace
