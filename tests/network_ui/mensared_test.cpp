#include "common/espera_acotada.h"
#include "common/imagen_referencia.h"
#include "network/conexion_red.h"
#include "network/core/chat.h"
#include "network/core/mensajes.h"
#include "network/mensared.h"
#include "platform/clock.h"
#include "platform/outside_pause.h"
#include "platform/picture_box.h"
#include "settings/core/fichero_estado.h"

#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

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

// A line is news, not a question: the window open takes it at once, and a closed one opens for it.
TEST(Mensared, una_linea_llegada_con_la_ventana_abierta_se_lista_en_ella_y_la_ventana_se_cierra_una_vez)
{
    using prueba::EsperarA;
    QTcpServer administrador;
    ASSERT_TRUE(administrador.listen(QHostAddress::LocalHost));
    EstadoJuego juego;
    Ajustes datos;
    PonerAjustesPorDefecto(juego, datos);
    datos.JuegoEnRed = true;
    datos.ModoRed = PapelRed::Cliente;
    datos.Jugador[4].DireccionIP = "127.0.0.1";
    ConexionRed red(juego, datos);
    red.Puerto = administrador.serverPort();
    red.Conectar();
    ASSERT_TRUE(EsperarA([&] { return administrador.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> socket(administrador.nextPendingConnection());
    const auto enviar = [&](const char* quien, const char* texto) {
        socket->write(QByteArray::fromStdString(
            CrearMensaje(codigo_red::Chat, ComponerMensajeChat(quien, 21, 7, texto))));
        socket->flush();
    };
    const auto ventana = [] { return qobject_cast<mensared*>(QApplication::activeModalWidget()); };
    const auto lineas = [&] {
        return int(ventana()->Txt_Recibidos->toPlainText().count(QStringLiteral("<<< Mensaje")));
    };

    // The person reads, answers nothing and closes the window, each time it opens; the first time two more
    // lines come, one by one, while it is open.
    int aperturas = 0;
    std::vector<bool> dentroDeOtraCosa; // opened inside a quiet pause or another box
    std::vector<int> listadasAlAbrir;
    bool servidoTrasCerrar = false;
    red.AlRecibirChat = [&] {
        ++aperturas;
        dentroDeOtraCosa.push_back(inQuietPause() || boxOpen());
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(EsperarA([&] { return ventana() != nullptr; }));
            listadasAlAbrir.push_back(lineas());
            if (aperturas == 1) {
                enviar("Beto", "Dos");
                EXPECT_TRUE(EsperarA([&] { return lineas() == 2; }));
                enviar("Cris", "Tres");
                EXPECT_TRUE(EsperarA([&] { return lineas() == 3; }));
            }
            QTest::mousePress(ventana()->Pic_BotSalir, Qt::LeftButton, {}, QPoint(20, 20));
            // Served once whatever was asked before it is: a window opened again meanwhile is closed first.
            postOutsidePause(&red, [&] { servidoTrasCerrar = true; });
        });
        MostrarMensared(red);
    };

    enviar("Ana", "Uno");
    ASSERT_TRUE(EsperarA([&] { return servidoTrasCerrar; }));
    EXPECT_EQ(aperturas, 1) << "the lines that came while it was open do not open it again";
    EXPECT_EQ(listadasAlAbrir, std::vector<int>{1});

    // Closed, the next line opens it again, with the whole history; one that comes while another box is
    // open waits for that box's answer.
    servidoTrasCerrar = false;
    QDialog caja;
    QTimer::singleShot(0, [&] {
        enviar("Ana", "Cuatro");
        EXPECT_TRUE(EsperarA([&] { return ContarMensajesChat(red.Estado) == 4; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(aperturas, 1);
        caja.reject();
    });
    {
        OpenBox abierta;
        caja.exec();
    }
    ASSERT_TRUE(EsperarA([&] { return servidoTrasCerrar; }));
    EXPECT_EQ(aperturas, 2);
    EXPECT_EQ(listadasAlAbrir, (std::vector<int>{1, 4}));
    EXPECT_EQ(dentroDeOtraCosa, (std::vector<bool>{false, false}));
}

} // namespace
} // namespace zp
