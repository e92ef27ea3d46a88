#pragma once

#include "platform/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zol {
class Clock;
class HandlerGuard;

// Timers with the forms runtime's schedule, for a backend on real time:
// each timer knows the millisecond its next event is due (or, for a timer
// with a due hint, when its handler can next do something), so the backend
// only sleeps until `earliestDue()` and then calls `fireDue()`; it never
// polls. While the timers are held (a box is open, the explosion is shown)
// due events are dropped; when the hold is let go the timers go back on
// their schedules. Every event runs through the handler guard.
class ScheduledTimers : public TimerService {
public:
    // `rescheduled` runs whenever the earliest due moment may have changed
    // outside `fireDue()`, so that a backend sleeping on it can wake anew.
    ScheduledTimers(const Clock& clock, HandlerGuard& guard, std::function<void()> rescheduled = {});
    ~ScheduledTimers() override;
    ScheduledTimers(const ScheduledTimers&) = delete;
    ScheduledTimers& operator=(const ScheduledTimers&) = delete;

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTimer,
                                  std::function<std::int64_t()> dueHint) override;

    // The clock reading at which the next event is due; none while no
    // timer runs.
    std::optional<std::int64_t> earliestDue() const;
    // Runs every event due by now, in the order the timers were made; ask
    // earliestDue() afterwards.
    void fireDue();

private:
    class ScheduledTimer;
    void resume();
    void changed();

    const Clock& clock_;
    HandlerGuard& guard_;
    std::function<void()> rescheduled_;
    std::vector<ScheduledTimer*> timers_;
    bool firing_ = false;
};

} // namespace zol
