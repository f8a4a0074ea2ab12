#pragma once
// Work that may open a window or ask the person something, run from the event loop and never inside a quiet
// pause: the pause holds the person's input until it ends, and it cannot end under a window left waiting.
#include <functional>

class QObject;

namespace zp {

// Runs `action` from the event loop, after every action handed over before it; nothing runs once `context`
// is gone. A quiet pause running when its turn comes keeps it (and those after it) until the pause is over,
// as the pause keeps the person's input. Later actions still run while an earlier one's window is open.
void postOutsidePause(QObject* context, std::function<void()> action);

// The quiet pause calls this when the last one running ends: what it kept is served from then on.
void quietPausesOver();

} // namespace zp
