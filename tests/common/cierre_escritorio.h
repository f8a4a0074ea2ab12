#pragma once
// The desktop's request to close a window (its title bar's close, Alt+F4), as the window system hands it to
// the window: spontaneous, and to its native window.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QSpontaneKeyEvent>
#include <QWidget>
#include <QWindow>

namespace prueba {

inline void PedirCierreDelEscritorio(QWidget& ventana)
{
    QCloseEvent peticion;
    QSpontaneKeyEvent::setSpontaneous(&peticion);
    QCoreApplication::sendEvent(ventana.windowHandle(), &peticion);
}

} // namespace prueba
