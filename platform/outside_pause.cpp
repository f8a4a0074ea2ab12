#include "platform/outside_pause.h"

#include "platform/clock.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <utility>
#include <xcb/xcb.h>

namespace zp {

namespace {

struct Action
{
    QPointer<QObject> context;
    std::function<void()> run;
};

std::deque<Action>& waiting()
{
    static std::deque<Action> actions;
    return actions;
}

bool servePosted = false; // a call to serve() is on its way
bool kept = false;        // serve() found a pause running or a box open: the end of both posts it again
int boxes = 0;            // boxes open now

void serve();

void postServe()
{
    // The application's own object receives it: every context may be gone by then.
    servePosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &serve, Qt::QueuedConnection);
}

bool busy()
{
    return inQuietPause() || boxes > 0;
}

// The pause is over or the box answered: what was kept is served, unless another still holds it.
void resume()
{
    if (!kept || busy()) return;
    kept = false;
    if (!servePosted) postServe();
}

void serve()
{
    servePosted = false;
    // What an action hands over follows it at once: a window's close asked again opens its question here.
    while (!waiting().empty()) {
        if (busy()) {
            kept = true;
            return;
        }
        Action next = std::move(waiting().front());
        waiting().pop_front();
        // Posted before this one runs: when its work goes on in a wait of the program's (a window it opens
        // and closes, then waits), those after it are served there. A box it opens keeps them till answered.
        if (!waiting().empty() && !servePosted) postServe();
        if (next.context) next.run();
    }
}

// The X window manager's request to close a window (WM_DELETE_WINDOW) counts as input there: a quiet pause
// leaves it in the queue, and it is read only by the next loop that takes input, often that of a box opened
// meanwhile. A window that box blocks would then lose it. It is taken here instead, as it is read, and asked
// of the window once no box is open.
class BlockedCloseKeeper : public QAbstractNativeEventFilter
{
public:
    explicit BlockedCloseKeeper(xcb_connection_t* c)
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
        if (!window || !window->isWindow() || !blocked(window->windowHandle())) return false;
        if (takesClosesAsTheyCome(window)) {
            // As the window system would hand it over were no box open.
            QCloseEvent close;
            QCoreApplication::sendEvent(window->windowHandle(), &close);
            return true;
        }
        postOutsidePause(window, [window] { window->close(); });
        return true;
    }

private:
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
        if (!modal || !window) return false;
        for (QWindow* w = window; w; w = w->transientParent())
            if (w == modal) return false;
        return true;
    }

    xcb_atom_t protocols_, delete_;
};

void keepBlockedCloses()
{
    static bool installed = false;
    if (installed || !qGuiApp) return;
    installed = true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    // For the life of the program: the application may outlive any object of ours.
    static auto* keeper = new BlockedCloseKeeper(x11->connection());
    qGuiApp->installNativeEventFilter(keeper);
}

} // namespace

void postOutsidePause(QObject* context, std::function<void()> action)
{
    waiting().push_back({QPointer<QObject>(context), std::move(action)});
    if (!servePosted && !kept) postServe();
}

void quietPausesOver()
{
    resume();
}

OpenBox::OpenBox()
{
    keepBlockedCloses();
    ++boxes;
}

OpenBox::~OpenBox()
{
    --boxes;
    resume();
}

bool boxOpen()
{
    return boxes > 0;
}

namespace {
constexpr char kTakesCloses[] = "zpTakesClosesAsTheyCome";
} // namespace

void takeClosesAsTheyCome(QWidget* window)
{
    window->setProperty(kTakesCloses, true);
}

bool takesClosesAsTheyCome(const QObject* window)
{
    return window && window->property(kTakesCloses).toBool();
}

} // namespace zp
