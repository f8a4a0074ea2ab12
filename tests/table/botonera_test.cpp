// La botonera de la mesa: salir guarda los ajustes y termina, preguntando antes si hay partida; una nueva
// partida durante otra pregunta y empieza desde el bucle de arriba, cuando la vieja ya ha vuelto; cada botón
// enseña con su puntero si se puede usar; la ayuda abre su ventana.
#include "comun_mesa.h"

#include "kit/ayuda.h"
#include "kit/cursores.h"
#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/arranque_mesa.h"
#include "table/botonera.h"
#include "table/tutor_mesa.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

namespace {

const QString kPosponer = QStringLiteral("Posponer la partida en curso");
const QString kAbandonar = QStringLiteral("Abandonar la partida en curso");
const QString kContinuarAnterior = QStringLiteral("Continuar la partida anterior");

class RelojSinEspera : public zp::Clock
{
public:
    std::uint32_t now() override { return ahora; }
    void pauseUntil(std::uint32_t inicio, std::uint32_t duracion) override
    {
        if (alPausar) alPausar();
        ahora = inicio + duracion;
    }
    std::uint32_t ahora = 1000;
    std::function<void()> alPausar; // lo que se ve en cada pausa
};

struct Caja
{
    QString titulo, texto;
};

class Botonera : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        antes = &zp::PausaPrograma().Reloj();
        zp::PausaPrograma().PonerReloj(reloj);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
    }
    void TearDown() override
    {
        guion.stop();
        if (zp::VisorAyuda* ayuda = zp::AyudaAbierta()) delete ayuda;
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        zp::PausaPrograma().PonerReloj(*antes);
    }

    std::string Carpeta() const { return carpeta.path().toStdString() + "/"; }
    QString Fichero(const char* nombre) const { return carpeta.filePath(QString::fromLatin1(nombre)); }

    // Una mano a medias de la partida: la mano 3, nadie ha jugado aún, le toca al asiento 1.
    void ManoAMedias() { prueba::RepartirManoAMedias(e, 3); }

    // Arranca con los ajustes de la prueba. El guion responde a cada caja (Sí o No según su título; si no,
    // la cierra) y en cada vuelta hace `paso`. Vuelve cuando Main ha terminado, o cuando `paso` lo dice.
    void Arrancar()
    {
        ASSERT_FALSE(zp::GuardarAjustes(Carpeta(), e, a).has_value());
        QObject::connect(&guion, &QTimer::timeout, [this] {
            auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
            if (caja && caja != atendida) {
                atendida = caja;
                cajas.push_back({caja->TextoTitulo(), caja->TextoMensaje()});
                if (alVerCaja) alVerCaja(caja->TextoTitulo());
                const auto r = respuestas.find(caja->TextoTitulo());
                if (r == respuestas.end())
                    caja->close();
                else
                    QTest::mousePress(r->second ? caja->Pic_Si : caja->Pic_No, Qt::LeftButton, {},
                                      QPoint(10, 10));
                return;
            }
            if (!caja && paso) paso();
        });
        guion.start(10);
        zp::OpcionesArranque o;
        o.Careta = false;
        o.CarpetaDatos = Carpeta();
        o.AlTerminar = [this](const zp::ResultadoPartida& r) { resultados.push_back(r); };
        programa = zp::ArrancarPrograma(o);
        ASSERT_FALSE(programa->Salir);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !resultados.empty(); }, 20000));
    }

    // Sale con la carpeta de trabajo donde no se puede crear nada. La primera caja de error se responde con
    // Aceptar; la segunda, con Aceptar y la carpeta arreglada (`arreglar`) o con Cancelar.
    void SalirSinPoderGuardar(bool arreglar)
    {
        const QString kErrorGuardar = QStringLiteral("Error al guardar los ajustes");
        if (!QFileInfo(QStringLiteral("/sys")).isDir()) GTEST_SKIP() << "sin /sys";
        respuestas[kErrorGuardar] = true;
        int errores = 0;
        alVerCaja = [&](const QString& titulo) {
            if (titulo != kErrorGuardar || ++errores < 2) return;
            if (arreglar)
                programa->CarpetaDatos = Carpeta();
            else
                respuestas[kErrorGuardar] = false;
        };
        Arrancar();
        ASSERT_TRUE(QFile::remove(Fichero("ZARPE33.INI")));
        programa->CarpetaDatos = "/sys/";
        Pulsar(7);
        ASSERT_TRUE(QTest::qWaitFor([this] { return resultados.size() == 2; }, 5000));

        EXPECT_EQ(errores, 2);
        const auto caja = std::find_if(cajas.begin(), cajas.end(),
                                       [&](const Caja& c) { return c.titulo == kErrorGuardar; });
        ASSERT_NE(caja, cajas.end());
        EXPECT_TRUE(caja->texto.startsWith(
            QStringLiteral("No se ha podido guardar el fichero ZARPE33.INI (CID ERROR 75): los ajustes se")))
            << caja->texto.toStdString();
        EXPECT_EQ(QFileInfo::exists(Fichero("ZARPE33.INI")), arreglar);
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
    }

    zp::PictureBox* Boton(int i) const { return programa->Mesa->Pic_Boton[std::size_t(i)]; }

    // El puntero pasa por encima del botón.
    void Pasar(int i) const
    {
        QTest::mouseMove(Boton(i), QPoint(10, 10));
        QTest::mouseMove(Boton(i), QPoint(12, 14));
    }

    void Pulsar(int i) const
    {
        Pasar(i);
        QTest::mouseClick(Boton(i), Qt::LeftButton, {}, QPoint(12, 14));
    }

    // Pulsa desde el guion, fuera de su vuelta: la caja que abra la responde el guion.
    void PulsarLuego(int i) const
    {
        QTimer::singleShot(0, programa->Mesa.get(), [this, i] { Pulsar(i); });
    }

    bool HayCaja(const QString& titulo) const
    {
        return std::any_of(cajas.begin(), cajas.end(), [&](const Caja& c) { return c.titulo == titulo; });
    }

    zp::EstadoJuego e;
    zp::Ajustes a;
    QTemporaryDir carpeta;
    RelojSinEspera reloj;
    zp::Clock* antes = nullptr;
    std::unique_ptr<zp::Programa> programa;
    QTimer guion;
    QPointer<zp::mensajes> atendida;
    std::vector<Caja> cajas;
    std::map<QString, bool> respuestas;
    std::function<void()> paso;
    std::function<void(const QString&)> alVerCaja; // antes de responderla
    std::vector<zp::ResultadoPartida> resultados;
};

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
    const auto caja =
        std::find_if(cajas.begin(), cajas.end(), [](const Caja& c) { return c.titulo == kPosponer; });
    ASSERT_NE(caja, cajas.end());
    EXPECT_EQ(caja->texto,
              QStringLiteral("¿Desea abandonar el programa para continuar en otro momento la partida "
                             "que está jugando?"));
    ASSERT_EQ(resultados.size(), 1u);
    EXPECT_NE(resultados[0].Siguiente, zp::Peticion::Salir);
}

TEST_F(Botonera, salir_durante_una_partida_con_si_la_guarda_para_otro_momento_y_termina)
{
    ManoAMedias();
    respuestas[kPosponer] = true;
    bool pulsado = false;
    paso = [&] {
        if (!pulsado && programa->e.EsperaContinuar) {
            pulsado = true;
            PulsarLuego(7);
        }
    };
    Arrancar();

    ASSERT_TRUE(HayCaja(kPosponer));
    ASSERT_EQ(resultados.size(), 1u);
    EXPECT_EQ(resultados[0].Siguiente, zp::Peticion::Salir);
    EXPECT_FALSE(programa->Mesa->isVisible());
    // El fichero de ajustes guarda la mano a medias para seguirla otro día.
    zp::EstadoJuego leido;
    zp::Ajustes ajustesLeidos;
    ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
    EXPECT_TRUE(leido.PartidaEnCurso);
    EXPECT_TRUE(leido.ManoEnCurso);
    EXPECT_EQ(leido.NumeroMano, 3);
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
    const auto caja =
        std::find_if(cajas.begin(), cajas.end(), [](const Caja& c) { return c.titulo == kAbandonar; });
    ASSERT_NE(caja, cajas.end());
    EXPECT_EQ(
        caja->texto,
        QStringLiteral("¿Desea abandonar la partida que está jugando para comenzar una nueva partida?"));
    EXPECT_EQ(manoAntes, 3);
    EXPECT_EQ(manoNueva, 1);
    // La partida vieja había vuelto al bucle de arriba, abandonada y pidiendo la nueva, antes de que esta
    // empezara.
    ASSERT_EQ(vueltasAntesDeLaNueva, 1u);
    EXPECT_EQ(resultados[0].Fin, zp::FinPartida::Abandonada);
    EXPECT_EQ(resultados[0].Siguiente, zp::Peticion::NuevaPartida);
}

TEST_F(Botonera, cada_boton_muestra_con_su_puntero_si_se_puede_usar)
{
    Arrancar();
    zp::EstadoJuego& j = programa->e;
    zp::Ajustes& ajustes = programa->a;
    const zp::EstadoJuego limpio = j;
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

TEST_F(Botonera, el_boton_de_ayuda_abre_la_ventana_de_ayuda_en_su_indice)
{
    Arrancar();
    ASSERT_EQ(zp::AyudaAbierta(), nullptr);
    Pulsar(6);
    zp::VisorAyuda* ayuda = zp::AyudaAbierta();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_TRUE(ayuda->PaginaMostrada().toString().endsWith(QStringLiteral("indice.html")));
}

} // namespace
