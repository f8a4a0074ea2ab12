#pragma once
// Work that may open a window or ask the person something (a request: the desktop's close, the exit, the
// program's queued requests, what a socket's event leaves for later), run from the event loop and never
// inside a quiet pause or inside a box the person has still to answer. The pause holds the person's input
// until it ends, and it cannot end under a window left waiting; a box asks one question, and what comes
// meanwhile waits for its answer rather than being answered inside it.
#include <functional>

class QObject;
class QWidget;

namespace zp {

// Runs `action` from the event loop, after every action handed over before it; nothing runs once `context`
// is gone. A quiet pause running, or a box open, when its turn comes keeps it (and those after it) until the
// pause is over and the box answered.
void postOutsidePause(QObject* context, std::function<void()> action);

// The quiet pause calls this when the last one running ends: what it kept is served from then on.
void quietPausesOver();

// Every box of the program is shown inside one of these, for as long as it is open. The first one also sees
// to it that the desktop's close of a window that a box blocks is kept for later rather than lost: some
// window systems hand it over as input, which a pause holds back until the next box is open.
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

// `window` answers the desktop's close itself at the next step of play, and knows whether it is asking
// already: it hears of the close as it comes, in a quiet pause or while a box blocks it, so that a close made
// while its question is pending or open adds nothing. Any other window's close is asked of it later, once the
// pause is over and no box is open.
void takeClosesAsTheyCome(QWidget* window);
bool takesClosesAsTheyCome(const QObject* window);

} // namespace zp
