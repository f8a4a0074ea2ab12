#include "platform/clock.h"

#include "platform/desktop_close.h"
#include "platform/outside_pause.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <memory>
#include <time.h>
#include <vector>

namespace zp {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;
// The quiet event loop hands over to a plain sleep this close to the deadline: Qt timers are only good
// to the millisecond.
constexpr std::int64_t kFinalSleepNs = 3 * kNsPerMs;
// The kernel wakes a sleeper some 50-200 µs late: the last stretch is spun to end on the millisecond.
constexpr std::int64_t kFinalSpinNs = 250'000;

int quietPauses = 0; // quiet pauses running now

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

// Qt keeps input from the window system queued while the loop excludes it; input posted by the program
// itself is held here and posted again, in order, when the pause ends. Either reaches its handler at the
// first event processing that admits input, which a run of pauses does between its steps. The desktop's
// request to close a window is no input to Qt, and a window's answer to it may be a question: it is refused
// for now and asked again outside the pause, unless the window defers its answer itself. Not every event
// dispatcher honours the exclusion of socket notifiers: one that fires is switched off for the pause, so that
// its data waits in the socket and is reported afterwards.
class QuietGate : public QObject
{
public:
    QuietGate() { QCoreApplication::instance()->installEventFilter(this); }
    ~QuietGate() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& notifier : silenced_)
            if (notifier) notifier->setEnabled(true);
        for (auto& [target, event] : held_)
            if (target) QCoreApplication::postEvent(target, event.release());
        // Input the window system kept back is looked at again only once the event loop is woken: without
        // this a press made during the pause would wait for some unrelated wake-up, many pauses later.
        if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::SockAct || event->type() == QEvent::SockClose) {
            if (auto* notifier = qobject_cast<QSocketNotifier*>(target)) {
                notifier->setEnabled(false);
                silenced_.emplace_back(notifier);
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::Close && event->spontaneous() && target->isWidgetType()) {
            if (getsDesktopClosesAtOnce(target)) return false;
            event->ignore();
            QWidget* window = static_cast<QWidget*>(target);
            postOutsidePause(window, [window] { window->close(); });
            return true;
        }
        if (!isUserInput(event->type())) return false;
        held_.emplace_back(QPointer<QObject>(target), std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
    std::vector<QPointer<QSocketNotifier>> silenced_;
};

void sleepUntilNs(std::int64_t deadlineNs)
{
    timespec ts{time_t(deadlineNs / 1'000'000'000), long(deadlineNs % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

} // namespace

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

std::uint32_t clockMs()
{
    return std::uint32_t(monotonicNs() / kNsPerMs);
}

void quietPauseUntilNs(std::int64_t deadlineNs)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        sleepUntilNs(deadlineNs);
        return;
    }
    const auto quiet = QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers;
    struct Running
    {
        Running() { ++quietPauses; }
        ~Running()
        {
            if (--quietPauses == 0) quietPausesOver();
        }
    } running;
    QuietGate gate;
    QEventLoop loop;
    for (;;) {
        const std::int64_t left = deadlineNs - monotonicNs();
        if (left <= 0) break;
        if (left > kFinalSleepNs) {
            bool woken = false;
            QTimer::singleShot(int((left - kFinalSleepNs) / kNsPerMs) + 1, Qt::PreciseTimer, &loop,
                               [&loop, &woken] {
                                   woken = true;
                                   loop.exit();
                               });
            loop.exec(quiet);
            // The application is quitting and every loop returns at once: sleep instead of spinning.
            if (!woken) sleepUntilNs(deadlineNs - kFinalSleepNs);
        } else {
            // Show what is pending, then sleep almost to the moment and spin the rest.
            app->processEvents(quiet);
            sleepUntilNs(deadlineNs - kFinalSpinNs);
            while (monotonicNs() < deadlineNs) {
            }
        }
    }
}

bool inQuietPause()
{
    return quietPauses > 0;
}

std::uint32_t SystemClock::now()
{
    return clockMs() + offset_;
}

void SystemClock::pauseUntil(std::uint32_t stamp, std::uint32_t elapsed)
{
    const std::int64_t nowNs = monotonicNs();
    const std::uint32_t reading = std::uint32_t(nowNs / kNsPerMs) + offset_;
    const std::uint32_t done = reading - stamp;
    if (done >= elapsed) return;
    // The reading changes to stamp + elapsed at the start of that millisecond.
    const std::int64_t deadline = (nowNs / kNsPerMs + std::int64_t(elapsed - done)) * kNsPerMs;
    quietPauseUntilNs(deadline);
}

Clock& systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace zp
