// Lo que añaden las pruebas de la ventana de ajustes del jugador: la ventana abierta como la abre la mesa,
// unos servicios de la mesa y de la red que anotan lo que se les pide, y los gestos de la persona.
#pragma once

#include "comun_ajustes.h"
#include "settings/personal.h"

#include <QKeyEvent>
#include <memory>

namespace prueba {

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

class VentanaPersonal : public VentanaAjustes
{
protected:
    void TearDown() override
    {
        ventana.reset();
        VentanaAjustes::TearDown();
    }

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
    static void Clic(zp::PictureBox* control, QPoint donde = QPoint(10, 20))
    {
        QTest::mouseMove(control, donde);
        QTest::mousePress(control, Qt::LeftButton, {}, donde);
        QTest::mouseRelease(control, Qt::LeftButton, {}, donde);
    }
    void ClicSelector(int indice, QPoint donde = QPoint(10, 20))
    {
        Clic(ventana->Pic_Selector[std::size_t(indice)], donde);
    }
    void Salir() { Clic(ventana->Pic_BotSalir, QPoint(25, 25)); }
    bool Abierta() const { return ventana && ventana->isVisible(); }
    QString Fichero(const char* nombre) const { return carpeta.filePath(QString::fromLatin1(nombre)); }

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

    ServiciosPrueba servicios;
    std::unique_ptr<zp::personal> ventana;
};

} // namespace prueba
