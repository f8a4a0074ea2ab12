#include "common/imagen_referencia.h"
#include "comun_puntuacion.h"
#include "kit/pausa.h"
#include "platform/clock.h"
#include "platform/picture_box.h"
#include "scores/historic.h"
#include "scores/marcador.h"
#include "tests/soporte/reloj_falso.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using zp::marcador;

using RelojPrueba = zp::prueba::RelojFalso;

class Marcador : public prueba::VentanaPuntuacion
{
protected:
    void SetUp() override
    {
        VentanaPuntuacion::SetUp();
        zp::PausaPrograma().PonerReloj(reloj);
        for (int p = 1; p <= 4; ++p) ajustes.Jugador[std::size_t(p)].NombreJugador = nombres[p];
    }
    void TearDown() override
    {
        zp::PausaPrograma().PonerReloj(zp::systemClock());
        VentanaPuntuacion::TearDown();
    }

    const char* nombres[5] = {"", "Ana", "Berta", "Carlos", "Dora"};
    zp::EstadoJuego estado;
    std::string carpeta = "/no/existe/"; // no history
    RelojPrueba reloj;
};

// Centrada en la pantalla de 800 x 600; lo que hay dentro, en sus imágenes.
TEST_F(Marcador, tamano_y_lugar_segun_el_modo)
{
    for (const auto& [modo, ventana] : {std::pair{zp::Modalidad::Parejas, QRect(234, 68, 332, 463)},
                                        std::pair{zp::Modalidad::Individual, QRect(158, 68, 483, 463)}}) {
        ajustes.ModoJuego = modo;
        marcador hoja(estado, ajustes, carpeta);
        EXPECT_EQ(hoja.GeometriaLogica(), ventana);
    }
}

TEST_F(Marcador, parejas_por_decenas_filas_y_totales)
{
    ajustes.SistemaAnotacion = zp::Anotacion::Decenas;
    estado.Anotaciones[1] = {.Sale = "Ana", .PuntosPareja1 = 23, .DecenasPareja1 = 3};
    estado.Anotaciones[2] = {.Sale = "Berta", .PuntosPareja2 = 8, .DecenasPareja2 = 1};
    estado.Anotaciones[3] = {.Sale = "Carlos"}; // nadie se anotó nada: no ocupa renglón
    estado.Anotaciones[4] = {.Sale = "Dora", .PuntosPareja1 = 105, .DecenasPareja1 = 11};
    estado.NumeroMano = 5;
    estado.ManoEnCurso = true;

    // Los totales, rehechos en la partida.
    marcador hoja(estado, ajustes, carpeta);
    EXPECT_EQ(estado.TotalPareja1, 14);
    EXPECT_EQ(estado.TotalPareja2, 1);
    // Las manos con quien sale y los puntos de cada pareja por decenas, en tinta azul; los totales bajo su
    // raya; el bloc alargado con renglones de su cabecera.
    EXPECT_TRUE(zp::prueba::CoincideConImagen(hoja.grab().toImage(), "marcador_parejas", 8, 0.0));
}

// Each other sheet as its reviewed picture: the title, the goal, the players in play, the hands with their
// points in blue, the totals under their rule, and the latest hands that fit, the hand in play left out.
TEST_F(Marcador, cada_hoja_se_ve_como_su_imagen)
{
    using zp::Anotacion;
    using zp::Modalidad;
    using zp::RegistroMano;
    const auto lleno = [this](Modalidad modo, bool enCurso) {
        return [this, modo, enCurso] {
            for (std::size_t i = 1; i <= 25; ++i)
                estado.Anotaciones[i] = {.Sale = "Ana", .PuntosPareja1 = 1, .PuntosJugador = {0, 1}};
            estado.NumeroMano = 25, estado.ManoEnCurso = enCurso, ajustes.ModoJuego = modo;
        };
    };
    const std::pair<const char*, std::function<void()>> casos[] = {
        {"marcador_parejas_unidades",
         [this] {
             ajustes.SistemaAnotacion = Anotacion::Unidades;
             estado.Anotaciones[10] = {.Sale = "Ana", .PuntosPareja1 = 15};
             estado.Anotaciones[11] = {.Sale = "Berta"}; // mano sin puntos
             estado.Anotaciones[12] = {.Sale = "Carlos", .PuntosPareja2 = 40};
             estado.NumeroMano = 12;
         }},
        {"marcador_individual",
         [this] {
             ajustes.ModoJuego = Modalidad::Individual;
             ajustes.SistemaAnotacion = Anotacion::Unidades;
             ajustes.PuntosPartida = 100;
             ajustes.Jugador[3].EstadoJugador = zp::EstadoAsiento::Desactivado; // fuera de juego: sin columna
             ajustes.Jugador[4].NombreJugador = " Dora  ";
             estado.Anotaciones[1] = {.Sale = "Ana", .PuntosJugador = {0, 0, 12}};
             estado.Anotaciones[2] = {.Sale = "Berta"}; // ocupa renglón con las casillas en blanco
             estado.Anotaciones[3] = {.Sale = "Dora", .PuntosJugador = {0, 0, 0, 0, 7}};
             estado.NumeroMano = 3;
         }},
        {"marcador_individual_decenas",
         [this] {
             ajustes.ModoJuego = Modalidad::Individual;
             ajustes.SistemaAnotacion = Anotacion::Decenas;
             estado.Anotaciones[1] = {.Sale = "Ana", .PuntosJugador = {0, 23}, .DecenasJugador = {0, 3}};
             estado.NumeroMano = 1;
         }},
        // Antes de acabar la primera mano: la cabecera en su recuadro, sin rayas de totales.
        {"marcador_individual_sin_manos",
         [this] {
             ajustes.ModoJuego = Modalidad::Individual, estado.NumeroMano = 1, estado.ManoEnCurso = true;
         }},
        {"marcador_parejas_llena_en_curso", lleno(Modalidad::Parejas, true)},
        {"marcador_parejas_llena", lleno(Modalidad::Parejas, false)},
        {"marcador_individual_lleno_en_curso", lleno(Modalidad::Individual, true)},
        {"marcador_individual_lleno", lleno(Modalidad::Individual, false)},
    };
    const zp::Ajustes base = ajustes;
    for (const auto& [imagen, preparar] : casos) {
        estado = zp::EstadoJuego{};
        ajustes = base;
        preparar();
        marcador hoja(estado, ajustes, carpeta);
        EXPECT_TRUE(zp::prueba::CoincideConImagen(hoja.grab().toImage(), imagen, 8, 0.0));
    }
}

TEST_F(Marcador, parejas_sin_manos_acabadas_solo_la_meta)
{
    for (const auto& [numero, enCurso] : {std::pair{0, false}, std::pair{1, true}}) {
        estado.NumeroMano = zp::Entero(numero);
        estado.ManoEnCurso = enCurso;
        marcador hoja(estado, ajustes, carpeta);
        ASSERT_EQ(hoja.TextosPuntos().size(), 1u);
        EXPECT_EQ(hoja.TextosPuntos()[0].texto, QStringLiteral("30"));
    }
}

TEST_F(Marcador, el_papel_sube_desde_la_ranura)
{
    ajustes.ModoJuego = zp::Modalidad::Individual;
    marcador hoja(estado, ajustes, carpeta);
    reloj.esperas.clear();
    hoja.Form_Activate();
    EXPECT_EQ(reloj.esperas.size(), 127u);
    EXPECT_EQ(hoja.Pic_Papel->geometry(), QRect(5, 2, 440, 380));

    ajustes.ModoJuego = zp::Modalidad::Parejas; // el bloc no se mueve
    marcador bloc(estado, ajustes, carpeta);
    reloj.esperas.clear();
    bloc.Form_Activate();
    EXPECT_TRUE(reloj.esperas.empty());
}

// Hace `accion` con el marcador en cuanto se muestre; si no se muestra, la prueba falla.
void AlAbrirse(std::function<void(marcador&)> accion)
{
    QTimer::singleShot(0, [accion] {
        auto* hoja = qobject_cast<marcador*>(QApplication::activeModalWidget());
        if (!hoja) {
            ADD_FAILURE() << "no hay marcador abierto";
            return;
        }
        accion(*hoja);
    });
}

TEST_F(Marcador, se_sale_con_el_boton_y_con_escape)
{
    const std::function<void(marcador&)> salidas[] = {
        [](marcador& hoja) { QTest::mousePress(hoja.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25)); },
        [](marcador& hoja) {
            QTest::keyClick(&hoja, Qt::Key_A); // otras teclas no cierran
            QTest::keyClick(&hoja, Qt::Key_Return);
            // The history opens over the sheet and its exit comes back to it.
            bool historico = false;
            QTimer::singleShot(0, [&historico] {
                auto* ventana = qobject_cast<zp::historic*>(QApplication::activeModalWidget());
                historico = ventana != nullptr;
                if (ventana) QTest::mousePress(ventana->Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
            });
            QTest::mousePress(hoja.Pic_BotHistorico, Qt::LeftButton, {}, QPoint(25, 25));
            EXPECT_TRUE(historico);
            EXPECT_EQ(QApplication::activeModalWidget(), &hoja);
            QTest::keyClick(&hoja, Qt::Key_Escape);
        }};
    for (zp::Entero modo : {zp::Entero(1), zp::Entero(2)})
        for (const auto& salir : salidas) {
            ajustes.ModoJuego = static_cast<zp::Modalidad>(modo);
            bool visto = false;
            AlAbrirse([&](marcador& hoja) {
                visto = true;
                salir(hoja);
            });
            zp::MostrarMarcador(estado, ajustes, carpeta, nullptr);
            EXPECT_TRUE(visto);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        }
}

} // namespace
