#pragma once
// Work that may open a window or ask the person something (a request: the desktop's close, the exit, the
// program's queued requests, what a socket's event leaves for later), run from the event loop and never
// inside a quiet pause or inside a box the person has still to answer. The pause holds the person's input
// until it ends, and it cannot end under a window left waiting; a box asks one question, and what comes
// meanwhile waits for its answer rather than being answered inside it.
#include <functional>

class QObject;

namespace zp {

// Runs `action` from the event loop, after every action handed over before it; nothing runs once `context`
// is gone. A quiet pause running, or a box open, when its turn comes keeps it (and those after it) until the
// pause is over and the box answered.
void postOutsidePause(QObject* context, std::function<void()> action);

// The quiet pause calls this when the last one running ends: what it kept is served from then on.
void quietPausesOver();

// Every box of the program is shown inside one of these, for as long as it is open. On X11 it also takes, as
// it opens, a window manager's close that Qt would drop at a window the box blocks.
class OpenBox
{
public:
    OpenBox();
    ~OpenBox();
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

// True while a box is open.
bool boxOpen();

} // namespace zp
