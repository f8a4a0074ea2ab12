#include "platform/x11_close_keeper.h"

#include "platform/desktop_close.h"
#include "platform/outside_pause.h"

#include <QAbstractNativeEventFilter>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>
#include <xcb/xcb.h>

namespace zp {

namespace {

class WindowManagerCloses : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit WindowManagerCloses(xcb_connection_t* c)
        : protocols_(atom(c, "WM_PROTOCOLS")), delete_(atom(c, "WM_DELETE_WINDOW"))
    {
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !delete_) return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        const auto* m = static_cast<const xcb_client_message_event_t*>(message);
        if (m->format != 32 || m->type != protocols_ || m->data.data32[0] != delete_) return false;
        QWidget* window = QWidget::find(WId(m->window));
        if (!window || !window->isWindow() || !window->windowHandle()) return false;
        if (blocked(window->windowHandle())) {
            take(window);
            return true;
        }
        // Qt hands it over after the input read before it, which may open a box over the window first.
        inFlight_.emplace_back(window);
        window->windowHandle()->installEventFilter(this);
        return false;
    }

    void takeInFlight()
    {
        for (QPointer<QWidget>& window : std::exchange(inFlight_, {}))
            if (window) take(window);
    }

protected:
    // Qt handed a close over: it is no longer in flight.
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            std::erase_if(inFlight_,
                          [target](const QPointer<QWidget>& w) { return !w || w->windowHandle() == target; });
        return false;
    }

private:
    static void take(QWidget* window)
    {
        if (getsDesktopClosesAtOnce(window)) {
            // As the window system would hand it over were no box open.
            QCloseEvent close;
            QCoreApplication::sendEvent(window->windowHandle(), &close);
            return;
        }
        postOutsidePause(window, [window] { window->close(); });
    }

    static xcb_atom_t atom(xcb_connection_t* c, const char* name)
    {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }

    // A modal window is open, and this one is neither it nor one of its own.
    static bool blocked(QWindow* window)
    {
        QWindow* modal = QGuiApplication::modalWindow();
        if (!modal) return false;
        for (QWindow* w = window; w; w = w->transientParent())
            if (w == modal) return false;
        return true;
    }

    xcb_atom_t protocols_, delete_;
    std::vector<QPointer<QWidget>> inFlight_;
};

WindowManagerCloses* keeper = nullptr;

} // namespace

void keepX11WindowManagerCloses()
{
    static bool tried = false;
    if (tried || !qGuiApp) return;
    tried = true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    // For the life of the program: the application may outlive any object of ours.
    keeper = new WindowManagerCloses(x11->connection());
    qGuiApp->installNativeEventFilter(keeper);
}

void takeX11ClosesInFlight()
{
    if (keeper) keeper->takeInFlight();
}

} // namespace zp
