// Pulsaciones de verdad de un servidor X: el servidor las entrega a la ventana como lo haría el teclado o el
// ratón, y el programa las recibe por su conexión, no por una llamada directa como las de QTest.
#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QWidget>
#include <cstring>
#include <xcb/xcb.h>

namespace prueba {

inline xcb_connection_t* ConexionX()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// A key press at the top-level window of `w` (keycode 38 is "a" in the server's usual keymap).
inline void PulsarTeclaX(QWidget& w, xcb_keycode_t tecla = 38)
{
    xcb_connection_t* c = ConexionX();
    const auto ventana = xcb_window_t(w.window()->winId());
    xcb_key_press_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_KEY_PRESS;
    ev.detail = tecla;
    ev.event = ventana;
    ev.same_screen = 1;
    xcb_send_event(c, 0, ventana, 0, reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
}

// A press of the left button at `punto` of `w`, in its real pixels.
inline void PulsarBotonX(QWidget& w, QPoint punto)
{
    xcb_connection_t* c = ConexionX();
    const auto ventana = xcb_window_t(w.window()->winId());
    const QPoint p = w.mapTo(w.window(), punto);
    xcb_button_press_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_BUTTON_PRESS;
    ev.detail = 1;
    ev.event = ventana;
    ev.event_x = std::int16_t(p.x());
    ev.event_y = std::int16_t(p.y());
    ev.same_screen = 1;
    xcb_send_event(c, 0, ventana, 0, reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
}

} // namespace prueba
