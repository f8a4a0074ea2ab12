// Lo que comparten las pruebas de la ventana de ajustes del jugador: la ventana abierta sobre una carpeta
// de trabajo propia, unos servicios que anotan lo que se les pide y un guion que responde a cada caja de
// mensaje como lo haría una persona.
#pragma once

#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "platform/clock.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"
#include "settings/core/fichero_estado.h"
#include "settings/personal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace prueba {

class RelojSinEspera : public zp::Clock
{
public:
    std::uint32_t now() override { return ahora; }
    void pauseUntil(std::uint32_t inicio, std::uint32_t duracion) override { ahora = inicio + duracion; }
    std::uint32_t ahora = 1000;
};

class ServiciosPrueba : public zp::ServiciosAjustes
{
public:
    void DibujarMano(zp::Entero asiento) override { manos.push_back(asiento); }
    void DibujarNombres() override { ++nombres; }
    void LimpiarMesa() override { ++limpiezas; }
    void VerListaJugadas(bool visible) override { lista = visible; }
    bool ClienteConectado() const override { return clienteConectado; }
    bool EsperandoConexiones() const override { return esperando; }
    std::string DireccionLocal() const override { return "192.168.1.33"; }
    void CerrarRed() override { ++cierresRed; }
    void DesconectarAsiento(zp::Entero asiento) override { desconectados.push_back(asiento); }
    void EnviarEstadoRed() override { ++envios; }

    std::vector<zp::Entero> manos, desconectados;
    int nombres = 0, limpiezas = 0, cierresRed = 0, envios = 0;
    bool lista = false, clienteConectado = false, esperando = false;
};

// Una caja de mensaje tal como se vio.
struct Caja
{
    QString titulo, texto;
    zp::Entero lineas, botones, ayuda;
};

class VentanaPersonal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        zp::EntornoKit& entorno = zp::Entorno();
        entorno = zp::EntornoKit{};
        entorno.AnchoPantalla = 800;
        entorno.AltoPantalla = 600;
        entorno.AnchoMesa = 710;
        entorno.ajustes = &a;
        zp::PausaPrograma().PonerReloj(reloj);
        QObject::connect(&guion, &QTimer::timeout, [this] { Responder(); });
        guion.start(5);
    }
    void TearDown() override
    {
        guion.stop();
        ventana.reset();
        zp::PausaPrograma().PonerReloj(zp::systemClock());
        zp::Entorno() = zp::EntornoKit{};
    }

    std::string Carpeta() const { return carpeta.path().toStdString() + "/"; }
    QString Fichero(const char* nombre) const { return carpeta.filePath(QString::fromLatin1(nombre)); }

    // La ventana abierta con los ajustes de la prueba, como la abre la mesa.
    zp::personal& Abrir()
    {
        ventana.reset();
        zp::Entorno().AjustesAbiertos = true;
        ventana = std::make_unique<zp::personal>(zp::ContextoAjustes{e, a, Carpeta(), servicios});
        ventana->show();
        return *ventana;
    }

    // Un clic de la persona en un control dibujado, en sus propios píxeles.
    void Clic(zp::PictureBox* control, QPoint donde = QPoint(10, 20))
    {
        QTest::mouseMove(control, donde);
        QTest::mousePress(control, Qt::LeftButton, {}, donde);
        QTest::mouseRelease(control, Qt::LeftButton, {}, donde);
    }
    void ClicSelector(int indice, QPoint donde = QPoint(10, 20))
    {
        Clic(ventana->Pic_Selector[std::size_t(indice)], donde);
    }
    // Teclea carácter a carácter, también los que no tienen tecla propia.
    static void Teclear(QWidget* donde, const QString& texto)
    {
        for (const QChar c : texto) {
            QKeyEvent pulsa(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent suelta(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(donde, &pulsa);
            QApplication::sendEvent(donde, &suelta);
        }
    }
    void Salir() { Clic(ventana->Pic_BotSalir, QPoint(25, 25)); }
    bool Abierta() const { return ventana && ventana->isVisible(); }

    // Responde la caja de arriba: con la siguiente respuesta si tiene dos botones, cerrándola si tiene uno.
    void Responder()
    {
        auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
        if (!caja || caja == atendida) return;
        atendida = caja;
        const zp::EstadoMensajes& m = zp::Mensajes();
        cajas.push_back(
            {caja->TextoTitulo(), caja->TextoMensaje(), m.LineasMensaje, m.BotonesMensaje, m.AyudaMensaje});
        if (m.BotonesMensaje == 1) {
            QTest::mousePress(caja->Pic_BotSalir, Qt::LeftButton, {}, QPoint(10, 10));
            return;
        }
        bool si = true;
        if (respuestas.empty())
            ADD_FAILURE() << "sin respuesta para " << caja->TextoTitulo().toStdString();
        else {
            si = respuestas.front();
            respuestas.pop_front();
        }
        QTest::mousePress(si ? caja->Pic_Si : caja->Pic_No, Qt::LeftButton, {}, QPoint(10, 10));
    }

    std::vector<QString> Titulos() const
    {
        std::vector<QString> t;
        for (const Caja& c : cajas) t.push_back(c.titulo);
        return t;
    }

    zp::EstadoJuego e;
    zp::Ajustes a;
    ServiciosPrueba servicios;
    QTemporaryDir carpeta;
    RelojSinEspera reloj;
    std::unique_ptr<zp::personal> ventana;
    QTimer guion;
    QPointer<zp::mensajes> atendida;
    std::vector<Caja> cajas;
    std::deque<bool> respuestas;
};

} // namespace prueba
