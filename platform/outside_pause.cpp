#include "platform/outside_pause.h"

#include "platform/clock.h"

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
bool keptByPause = false; // serve() found a quiet pause running: the pause's end posts it again

void serve();

void postServe()
{
    // The application's own object receives it: every context may be gone by then.
    servePosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &serve, Qt::QueuedConnection);
}

void serve()
{
    servePosted = false;
    // What an action hands over follows it at once: a window's close asked again opens its question here.
    while (!waiting().empty()) {
        if (inQuietPause()) {
            keptByPause = true;
            return;
        }
        Action next = std::move(waiting().front());
        waiting().pop_front();
        // Posted before this one runs, so that those after it are served while its window is open.
        if (!waiting().empty() && !servePosted) postServe();
        if (next.context) next.run();
    }
}

} // namespace

void postOutsidePause(QObject* context, std::function<void()> action)
{
    waiting().push_back({QPointer<QObject>(context), std::move(action)});
    if (!servePosted && !keptByPause) postServe();
}

void quietPausesOver()
{
    if (std::exchange(keptByPause, false) && !servePosted) postServe();
}

} // namespace zp
