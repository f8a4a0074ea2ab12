#include "common/imagen_referencia.h"
#include "network/conexion_red.h"
#include "network/core/chat.h"
#include "network/mensared.h"
#include "platform/picture_box.h"
#include "settings/core/fichero_estado.h"

#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(Mensared, el_administrador_envia_su_linea_y_la_ventana_se_ve_como_su_imagen_revisada)
{
    EstadoJuego juego;
    Ajustes datos;
    PonerAjustesPorDefecto(juego, datos);
    datos.JuegoEnRed = true;
    datos.ModoRed = PapelRed::Administrador;
    datos.Jugador[4].NombreJugador = "Ana";
    ConexionRed red(juego, datos);
    AnadirMensajeChat(red.Estado, ComponerMensajeChat("Beto", 21, 5, "¿Empezamos? Voy con Ñico"));
    AnadirMensajeChat(red.Estado, ComponerMensajeChat("Ana", 21, 7, "Hola\nya estoy"));

    mensared ventana(red);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    // Nothing to send yet, nor with blanks only.
    EXPECT_FALSE(ventana.Pic_Enviar->isVisible());
    QTest::keyClicks(ventana.Txt_Enviar, "   ");
    EXPECT_FALSE(ventana.Pic_Enviar->isVisible());

    ventana.Txt_Enviar->insertPlainText(QStringLiteral("Vamos allá")); // accents cannot be keyed by QTest
    ASSERT_TRUE(ventana.Pic_Enviar->isVisible());
    QTest::mousePress(ventana.Pic_Enviar, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(red.Estado.MensajesChat[3].substr(0, 9), "Ana      ");
    EXPECT_TRUE(ventana.Txt_Recibidos->toPlainText().endsWith(QStringLiteral("horas. >>>\nVamos allá\n\n")));
    EXPECT_TRUE(ventana.Txt_Enviar->toPlainText().isEmpty());
    EXPECT_FALSE(ventana.Pic_Enviar->isVisible());

    // The picture is taken with the third line at a fixed time and a new line typed.
    red.Estado.MensajesChat[3] = ComponerMensajeChat("Ana", 21, 9, "   Vamos allá");
    ventana.MostrarMensajesChat();
    ventana.Txt_Enviar->insertPlainText(QStringLiteral("¡Buena mano!"));
    ventana.Txt_Enviar->clearFocus(); // no blinking caret in the picture
    EXPECT_TRUE(prueba::CoincideConImagen(ventana.grab().toImage(), "mensared"));
}

} // namespace
} // namespace zp
