#include "platform/sim/RealTimePacer.h"

#include "platform/sim/SimClock.h"
#include "platform/sim/SimTimerService.h"

#include <utility>

namespace zol::sim {

RealTimePacer::RealTimePacer(SimClock& clock, SimTimerService& timers, std::function<bool()> held,
                             std::function<bool()> ended, std::function<void()> afterEachMillisecond)
    : clock_(clock),
      timers_(timers),
      held_(std::move(held)),
      ended_(std::move(ended)),
      afterEachMillisecond_(std::move(afterEachMillisecond)) {}

void RealTimePacer::catchUp(std::int64_t elapsedMs) {
    const std::int64_t target = kClockStartMs + elapsedMs;
    if (!held_() && target - clock_.nowMs() > kMaxCatchUpMs) {
        skippedMs_ += target - kMaxCatchUpMs - clock_.nowMs();
        clock_.set(target - kMaxCatchUpMs);
    }
    while (clock_.nowMs() < target && !ended_()) {
        if (held_()) {
            clock_.set(target);
            return;
        }
        clock_.set(timers_.nextUsefulMs(clock_.nowMs(), target));
        timers_.fireDue([this] { return held_() || ended_(); });
        if (afterEachMillisecond_) afterEachMillisecond_();
    }
}

} // namespace zol::sim
