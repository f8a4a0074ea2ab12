// The whole program, with the player settings opened from bar button 2 as a person opens them: what a test
// does in the open window runs outside the timer's turn, so that the boxes it opens are answered.
#pragma once

#include "programa_prueba.h"

#include "settings/personal.h"

#include <QMouseEvent>

#include <functional>
#include <utility>

namespace prueba {

class AjustesEnLaMesa : public ProgramaPrueba
{
protected:
    void SetUp() override
    {
        ProgramaPrueba::SetUp();
        QObject::connect(&enVentana, &QTimer::timeout, [this] {
            auto* ventana = qobject_cast<zp::personal*>(QApplication::activeModalWidget());
            if (!ventana || !enAjustes) return;
            QTimer::singleShot(0, ventana, [this, ventana, accion = std::exchange(enAjustes, nullptr)] {
                // The bar's button opened the window on its press; the person lets it go first.
                QTest::mouseRelease(Boton(2), Qt::LeftButton, {}, QPoint(12, 14));
                accion(*ventana);
            });
        });
        enVentana.start(10);
    }
    void TearDown() override
    {
        enVentana.stop();
        ProgramaPrueba::TearDown();
    }

    // Presses bar button 2 outside the script's turn; `accion` is done in the window it opens.
    void AbrirAjustes(std::function<void(zp::personal&)> accion)
    {
        enAjustes = std::move(accion);
        QTimer::singleShot(0, programa->Mesa.get(), [this] {
            Pasar(2);
            QTest::mousePress(Boton(2), Qt::LeftButton, {}, QPoint(12, 14));
        });
    }

    // The pointer passes over a control of the window (sent to it: the table below would take it otherwise).
    static void Sobrevolar(QWidget* control, QPoint donde)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(donde), control->mapToGlobal(QPointF(donde)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &e);
    }
    static void Clic(zp::PictureBox* control, QPoint donde = QPoint(10, 20))
    {
        Sobrevolar(control, donde);
        QTest::mousePress(control, Qt::LeftButton, {}, donde);
        QTest::mouseRelease(control, Qt::LeftButton, {}, donde);
    }

    QTimer enVentana;
    std::function<void(zp::personal&)> enAjustes;
};

} // namespace prueba
