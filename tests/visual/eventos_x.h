// Pulsaciones de verdad de un servidor X: el servidor las entrega a la ventana como lo haría el teclado o el
// ratón, y el programa las recibe por su conexión, no por una llamada directa como las de QTest.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace prueba {

// A window test's fixture on a real X server: skipped without one, and the boxes answered only once the
// server shows them, as a person answers what is on the screen.
template <class Base> struct EnX : Base
{
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
        Base::SetUp();
        this->contestarAlVerla = true;
    }
};

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

// The left button at `punto` of `w`, in its real pixels: pressed, or released after a press there.
inline void BotonX(QWidget& w, QPoint punto, bool pulsado)
{
    xcb_connection_t* c = ConexionX();
    const auto ventana = xcb_window_t(w.window()->winId());
    const QPoint p = w.mapTo(w.window(), punto);
    xcb_button_press_event_t ev; // a release has the same layout
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = pulsado ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE;
    ev.detail = 1;
    ev.event = ventana;
    ev.event_x = std::int16_t(p.x());
    ev.event_y = std::int16_t(p.y());
    ev.state = pulsado ? 0 : XCB_BUTTON_MASK_1;
    ev.same_screen = 1;
    xcb_send_event(c, 0, ventana, 0, reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
}

inline void PulsarBotonX(QWidget& w, QPoint punto)
{
    BotonX(w, punto, true);
}

inline void SoltarBotonX(QWidget& w, QPoint punto)
{
    BotonX(w, punto, false);
}

// What the server shows of `w` in its rectangle `r`, read over a connection of our own, as another program
// would see it: what the program has drawn but not yet sent is not there.
class PantallaX
{
public:
    PantallaX() : c_(xcb_connect(nullptr, nullptr)) {}
    ~PantallaX() { xcb_disconnect(c_); }
    PantallaX(const PantallaX&) = delete;
    PantallaX& operator=(const PantallaX&) = delete;

    QImage Leer(QWidget& w, QRect r) const
    {
        const QPoint p = w.mapTo(w.window(), r.topLeft());
        const auto ventana = xcb_window_t(w.window()->winId());
        auto* respuesta = xcb_get_image_reply(
            c_,
            xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, ventana, std::int16_t(p.x()), std::int16_t(p.y()),
                          std::uint16_t(r.width()), std::uint16_t(r.height()), ~0u),
            nullptr);
        if (!respuesta) return {};
        const QImage vista(xcb_get_image_data(respuesta), r.width(), r.height(), QImage::Format_RGB32);
        QImage copia = vista.copy();
        std::free(respuesta);
        return copia;
    }

private:
    xcb_connection_t* c_;
};

// The window manager's request to close the top-level window of `w`, as its title bar's close or Alt+F4 send
// it.
inline void CerrarVentanaX(QWidget& w)
{
    xcb_connection_t* c = ConexionX();
    const auto atomo = [c](const char* nombre) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(nombre)), nombre), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    };
    const auto ventana = xcb_window_t(w.window()->winId());
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = ventana;
    ev.type = atomo("WM_PROTOCOLS");
    ev.data.data32[0] = atomo("WM_DELETE_WINDOW");
    ev.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, ventana, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
}

// Counts the messages of the window manager (a request to close a window among them) as the program reads
// them from its connection. The filter installed last looks first: one of the program's that keeps a message
// from the rest has to come before this one.
class CierresLeidosX : public QAbstractNativeEventFilter
{
public:
    CierresLeidosX() { qGuiApp->installNativeEventFilter(this); }
    ~CierresLeidosX() override { qGuiApp->removeNativeEventFilter(this); }
    CierresLeidosX(const CierresLeidosX&) = delete;
    CierresLeidosX& operator=(const CierresLeidosX&) = delete;

    bool nativeEventFilter(const QByteArray& tipo, void* mensaje, qintptr*) override
    {
        const auto* ev = static_cast<const xcb_generic_event_t*>(mensaje);
        if (tipo == "xcb_generic_event_t" && (ev->response_type & 0x7f) == XCB_CLIENT_MESSAGE) ++leidos;
        return false;
    }

    int leidos = 0;
};

} // namespace prueba
