#pragma once
// Counts the paint events a widget gets while the counter lives: what a pause or an animation lets reach the
// screen.
#include <QEvent>
#include <QObject>

namespace zp::prueba {

class ContadorPintadas : public QObject
{
public:
    explicit ContadorPintadas(QObject& vigilado) { vigilado.installEventFilter(this); }
    int pintadas = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        pintadas += evento->type() == QEvent::Paint;
        return false;
    }
};

} // namespace zp::prueba
