#pragma once
// Waiting for a person, a choice or a network message without spinning: a local event loop that runs
// until the condition holds, the match it belongs to is abandoned, or the program is quitting.
#include <cstdint>
#include <functional>

namespace zp {

// The match generation: code abandons the match in progress by bumping it; every wait begun under an
// older generation then ends.
std::uint32_t matchGeneration();
void abandonMatch();

// A match loop runs for as long as one of these lives, and keeps the generation it began with: its waits
// belong to that one, so that an abandon made anywhere, in a wait or between two, ends the match at its next
// step. Match loops never nest.
class MatchLoop
{
public:
    MatchLoop();
    ~MatchLoop();
    MatchLoop(const MatchLoop&) = delete;
    MatchLoop& operator=(const MatchLoop&) = delete;
};

// The generation the running match loop began with; the current one when no loop runs.
std::uint32_t matchInPlay();
// A match loop runs now, below the top-level loop.
bool matchLoopRunning();

// The program is on its way out: every wait ends, and so does the application's event loop.
void requestQuit();
bool quitting();

// Call after changing anything a wait may be waiting on: the waits look at their conditions again.
void notifyStateChanged();

enum class WaitEnd
{
    ConditionHeld,
    MatchAbandoned,
    Quitting
};

struct WaitOptions
{
    // The match the wait belongs to; by default the match loop running (or, with none, the generation now).
    std::uint32_t generation = matchInPlay();
    bool belongsToMatch = true; // false: only quitting cuts the wait short
    // Called on every pass of the wait, at least every `tickMs` (to refresh a clock on screen).
    std::function<void()> onTick;
    int tickMs = 250;
};

// Handles every event meanwhile. Quitting wins over abandoning, and both over the condition.
WaitEnd waitUntil(const std::function<bool()>& condition, const WaitOptions& options = {});

} // namespace zp
