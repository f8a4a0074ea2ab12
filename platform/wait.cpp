#include "platform/wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cassert>
#include <vector>

namespace zp {

namespace {

struct ActiveWait
{
    QEventLoop loop;
    bool woken = false;   // set by us before we make the loop return
    bool tickDue = false; // the coarse timer has come round
};

std::vector<ActiveWait*>& activeWaits()
{
    static std::vector<ActiveWait*> waits;
    return waits;
}

std::uint32_t generation = 1;
std::uint32_t loopGeneration = 0; // the generation the running match loop began with; 0: none runs
bool quittingNow = false;

void wake(ActiveWait& wait)
{
    wait.woken = true;
    // An outer wait's loop returns once the inner ones have: it cannot run its checks before.
    wait.loop.exit();
}

} // namespace

std::uint32_t matchGeneration()
{
    return generation;
}

void abandonMatch()
{
    ++generation;
    notifyStateChanged();
}

MatchLoop::MatchLoop()
{
    assert(loopGeneration == 0 && "match loops never nest");
    loopGeneration = generation;
}

MatchLoop::~MatchLoop()
{
    loopGeneration = 0;
}

std::uint32_t matchInPlay()
{
    return loopGeneration != 0 ? loopGeneration : generation;
}

void requestQuit()
{
    quittingNow = true;
    notifyStateChanged();
    QCoreApplication::quit();
}

bool matchLoopRunning()
{
    return loopGeneration != 0;
}

bool quitting()
{
    return quittingNow;
}

void notifyStateChanged()
{
    for (ActiveWait* wait : activeWaits()) wake(*wait);
}

WaitEnd waitUntil(const std::function<bool()>& condition, const WaitOptions& options)
{
    assert(QCoreApplication::instance());
    ActiveWait wait;
    activeWaits().push_back(&wait);
    struct Unregister
    {
        ActiveWait* wait;
        ~Unregister() { activeWaits().erase(std::find(activeWaits().begin(), activeWaits().end(), wait)); }
    } unregister{&wait};
    QTimer tick;
    tick.setInterval(std::max(1, options.tickMs));
    QObject::connect(&tick, &QTimer::timeout, [&wait] {
        wait.tickDue = true;
        wake(wait);
    });
    tick.start();
    // The application's quit makes every loop return; the program is then on its way out.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &tick, [] {
        quittingNow = true;
        notifyStateChanged();
    });

    WaitEnd end;
    wait.tickDue = true; // the first pass shows the clock at once
    for (;;) {
        wait.woken = false;
        if (quittingNow) {
            end = WaitEnd::Quitting;
            break;
        }
        if (options.belongsToMatch && generation != options.generation) {
            end = WaitEnd::MatchAbandoned;
            break;
        }
        if (condition()) {
            end = WaitEnd::ConditionHeld;
            break;
        }
        if (wait.tickDue && options.onTick) {
            wait.tickDue = false;
            options.onTick();
        }
        if (wait.woken) continue; // something changed while we looked: look again before sleeping
        wait.loop.exec();
        // Only the application's quit makes our loop return without us: every loop is ending.
        if (!wait.woken) quittingNow = true;
    }
    return end;
}

} // namespace zp
