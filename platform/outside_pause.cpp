#include "platform/outside_pause.h"

#include "platform/clock.h"
#include "platform/x11_close_keeper.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <deque>
#include <utility>

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
    ++boxes;
    keepX11WindowManagerCloses();
    takeX11ClosesInFlight();
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

} // namespace zp
