// El marcador: su tamaño y lugar, los textos del bloc de parejas y del informe individual, los totales, las
// manos que caben, el papel que sube y la salida por botón y por tecla.
#include "common/imagen_referencia.h"
#include "comun_puntuacion.h"
#include "kit/entorno.h"
#include "kit/pausa.h"
#include "platform/clock.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"
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
using zp::TextoImpreso;

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

    zp::RegistroMano& Mano(int i, const char* sale)
    {
        zp::RegistroMano& m = estado.Anotaciones[std::size_t(i)];
        m.Sale = sale;
        return m;
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
    Mano(1, "Ana").PuntosPareja1 = 23;
    estado.Anotaciones[1].DecenasPareja1 = 3;
    Mano(2, "Berta").PuntosPareja2 = 8;
    estado.Anotaciones[2].DecenasPareja2 = 1;
    Mano(3, "Carlos"); // nadie se anotó nada: no ocupa renglón
    Mano(4, "Dora").PuntosPareja1 = 105;
    estado.Anotaciones[4].DecenasPareja1 = 11;
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

TEST_F(Marcador, parejas_por_puntos_con_manos_de_dos_cifras)
{
    ajustes.SistemaAnotacion = zp::Anotacion::Unidades;
    Mano(10, "Ana").PuntosPareja1 = 15;
    Mano(11, "Berta"); // mano sin puntos
    Mano(12, "Carlos").PuntosPareja2 = 40;
    estado.NumeroMano = 12;
    marcador hoja(estado, ajustes, carpeta);
    EXPECT_TRUE(zp::prueba::CoincideConImagen(hoja.grab().toImage(), "marcador_parejas_unidades", 8, 0.0));
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

TEST_F(Marcador, individual_cabecera_filas_totales_y_cuadricula)
{
    ajustes.ModoJuego = zp::Modalidad::Individual;
    ajustes.SistemaAnotacion = zp::Anotacion::Unidades;
    ajustes.PuntosPartida = 100;
    ajustes.Jugador[3].EstadoJugador = zp::EstadoAsiento::Desactivado; // fuera de juego: sin columna
    ajustes.Jugador[4].NombreJugador = " Dora  ";
    Mano(1, "Ana").PuntosJugador[2] = 12;
    Mano(2, "Berta"); // ocupa renglón con las casillas en blanco
    Mano(3, "Dora").PuntosJugador[4] = 7;
    estado.NumeroMano = 3;

    marcador hoja(estado, ajustes, carpeta);
    // El título en rojo, la meta en verde, la cabecera en negrita con los que juegan, las manos y los totales
    // en azul; el papel con su recuadro, las columnas, la raya de los totales y la bandeja.
    EXPECT_TRUE(zp::prueba::CoincideConImagen(hoja.grab().toImage(), "marcador_individual", 8, 0.0));
}

TEST_F(Marcador, individual_por_decenas_y_sin_manos)
{
    ajustes.ModoJuego = zp::Modalidad::Individual;
    ajustes.SistemaAnotacion = zp::Anotacion::Decenas;
    Mano(1, "Ana").PuntosJugador[1] = 23;
    estado.Anotaciones[1].DecenasJugador[1] = 3;
    estado.NumeroMano = 1;
    {
        marcador hoja(estado, ajustes, carpeta);
        EXPECT_TRUE(
            zp::prueba::CoincideConImagen(hoja.grab().toImage(), "marcador_individual_decenas", 8, 0.0));
    }
    // Antes de acabar la primera mano: la cabecera en un recuadro de 39 a 58, sin rayas de totales.
    estado.ManoEnCurso = true;
    estado.Anotaciones[1] = zp::RegistroMano{}; // la mano en juego aún no tiene anotación
    marcador hoja(estado, ajustes, carpeta);
    EXPECT_EQ(hoja.TextosPapel().size(), 3u);
    EXPECT_TRUE(
        zp::prueba::CoincideConImagen(hoja.grab().toImage(), "marcador_individual_sin_manos", 8, 0.0));
}

// The latest hands that fit on each sheet, the hand in play left out.
TEST_F(Marcador, manos_que_caben_en_cada_hoja)
{
    for (int i = 1; i <= 25; ++i) {
        Mano(i, "Ana").PuntosPareja1 = 1;
        estado.Anotaciones[std::size_t(i)].PuntosJugador[1] = 1;
    }
    estado.NumeroMano = 25;
    for (const auto& [modo, enCurso, imagen] :
         {std::tuple{zp::Modalidad::Parejas, true, "marcador_parejas_llena_en_curso"},
          {zp::Modalidad::Parejas, false, "marcador_parejas_llena"},
          {zp::Modalidad::Individual, true, "marcador_individual_lleno_en_curso"},
          {zp::Modalidad::Individual, false, "marcador_individual_lleno"}}) {
        ajustes.ModoJuego = modo;
        estado.ManoEnCurso = enCurso;
        marcador hoja(estado, ajustes, carpeta);
        EXPECT_TRUE(zp::prueba::CoincideConImagen(hoja.grab().toImage(), imagen, 8, 0.0));
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
