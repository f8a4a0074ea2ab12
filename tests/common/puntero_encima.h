#pragma once
// The pointer taken to a point of a widget as QTest takes it, and the test goes on once the widget has seen
// it arrive. QTest moves the real pointer: offscreen the motion is handed over at once, but an X server warps
// its pointer and reports the motion later, so a press sent straight after could reach a widget the pointer
// has not yet passed over, as the program's buttons, which take a press only after that, would show.
#include "platform/clock.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace prueba {

namespace detalle {

// Notes the motion of the pointer to `donde` (on the screen) as the application hands it to `w` or to a
// widget inside it.
class MovimientoHasta : public QObject
{
public:
    MovimientoHasta(QWidget& w, QPoint donde) : w_(w), donde_(donde) { qApp->installEventFilter(this); }
    ~MovimientoHasta() override { qApp->removeEventFilter(this); }
    MovimientoHasta(const MovimientoHasta&) = delete;
    MovimientoHasta& operator=(const MovimientoHasta&) = delete;

    bool visto = false;

protected:
    bool eventFilter(QObject* destino, QEvent* e) override
    {
        if (e->type() != QEvent::MouseMove || !destino->isWidgetType()) return false;
        auto* d = static_cast<QWidget*>(destino);
        if ((d == &w_ || w_.isAncestorOf(d)) &&
            static_cast<QMouseEvent*>(e)->globalPosition().toPoint() == donde_)
            visto = true;
        return false;
    }

private:
    QWidget& w_;
    QPoint donde_;
};

} // namespace detalle

// The pointer comes from a little above and to the left and stops at `p`. Where the motion cannot reach `w`
// (the program holds input in a pause and hands it over when the pause ends; a modal window of another keeps
// it; another window covers the point) it is only made, as QTest makes it.
inline void PasarPorEncima(QWidget* w, QPoint p)
{
    QWindow* ventana = w->window()->windowHandle();
    if (w->isVisible() && ventana && !ventana->isExposed() && !zp::inQuietPause()) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(ventana, 10000)) << "the window was never shown";
    }
    const QPoint donde = w->mapToGlobal(p);
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* debajo = QApplication::widgetAt(donde);
    const bool llega = w->isVisible() && !zp::inQuietPause() && (!modal || modal == w->window()) && debajo &&
                       (debajo == w || w->isAncestorOf(debajo));
    QTest::mouseMove(w, p - QPoint(2, 4));
    if (!llega) {
        QTest::mouseMove(w, p);
        return;
    }
    // The pointer is elsewhere now, so the last step is a motion the server reports.
    detalle::MovimientoHasta movimiento(*w, donde);
    QTest::mouseMove(w, p);
    EXPECT_TRUE(QTest::qWaitFor([&] { return movimiento.visto; }, 10000))
        << "the pointer never reached the widget";
}

} // namespace prueba
