#pragma once
// The program's millisecond clock and the quiet pause built on it.
#include <cstdint>

namespace zp {

// Milliseconds of a monotonic clock, as a 32-bit count that wraps after 49.7 days like the classic
// multimedia timer. Differences taken modulo 2^32 stay right across the wrap.
std::uint32_t clockMs();

// The clock as pacing code sees it, so that tests can run pauses on a fake one.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint32_t now() = 0;
    // Returns at the first reading at least `elapsed` ms after `stamp` (modulo 2^32). Meanwhile the
    // screen is repainted but no input, socket or wait wake-up is handled.
    virtual void pauseUntil(std::uint32_t stamp, std::uint32_t elapsed) = 0;
};

// The real clock. `offset` shifts its readings (tests use it to cross the wrap of the 32-bit count).
class SystemClock : public Clock
{
public:
    explicit SystemClock(std::uint32_t offset = 0) : offset_(offset) {}
    std::uint32_t now() override;
    void pauseUntil(std::uint32_t stamp, std::uint32_t elapsed) override;

private:
    std::uint32_t offset_;
};

Clock& systemClock();

// The quiet pause itself, on the real clock: until `deadlineNs` of CLOCK_MONOTONIC it shows paint events
// but delivers no user input (held and delivered afterwards) and no socket event. It sleeps for all but
// the last moment, so it costs almost no processor time and ends within a fraction of a millisecond.
void quietPauseUntilNs(std::int64_t deadlineNs);
// True while a quiet pause runs. A window opened for the person meanwhile could not be answered (the pause
// holds their input until it ends, and it cannot end under the window): open it afterwards.
bool inQuietPause();
std::int64_t monotonicNs();

} // namespace zp
