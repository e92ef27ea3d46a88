#pragma once

#include <cstdint>
#include <functional>

namespace zol::sim {

class SimClock;
class SimTimerService;

// Runs the simulated clock and timers after a real clock, for a front end
// that plays on virtual time (the page): each catch-up fires the timer
// events that fell due since the last one, in order, each at its own virtual
// millisecond, so a game plays exactly as `--simulate` would replay it.
// While the program is held (a box is open, the explosion is being shown)
// time passes without events, and missed events are not made up. After a
// long gap (a hidden tab, a stalled machine) only the last kMaxCatchUpMs are
// caught up: the rest passes the same way, never minutes of ticks at once.
class RealTimePacer {
public:
    // Ten ticks of the game at most.
    static constexpr std::int64_t kMaxCatchUpMs = 510;

    // `afterEachMillisecond`, when given, runs after the events of every
    // millisecond that had any.
    RealTimePacer(SimClock& clock, SimTimerService& timers, std::function<bool()> held,
                  std::function<bool()> ended, std::function<void()> afterEachMillisecond = {});

    // `elapsedMs`: real milliseconds since the program started.
    void catchUp(std::int64_t elapsedMs);

    // Real time that passed without its events because it was too long.
    std::int64_t skippedMs() const { return skippedMs_; }

private:
    SimClock& clock_;
    SimTimerService& timers_;
    std::function<bool()> held_;
    std::function<bool()> ended_;
    std::function<void()> afterEachMillisecond_;
    std::int64_t skippedMs_ = 0;
};

} // namespace zol::sim
