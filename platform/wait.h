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
    // The match the wait belongs to; by default the one in progress when the wait begins.
    std::uint32_t generation = matchGeneration();
    bool belongsToMatch = true; // false: only quitting cuts the wait short
    // Called on every pass of the wait, at least every `tickMs` (to refresh a clock on screen).
    std::function<void()> onTick;
    int tickMs = 250;
};

// Handles every event meanwhile. Quitting wins over abandoning, and both over the condition.
WaitEnd waitUntil(const std::function<bool()>& condition, const WaitOptions& options = {});

} // namespace zp
