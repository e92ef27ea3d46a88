#pragma once

#include "platform/ClockArithmetic.h"
#include "platform/TimerHold.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace zol {

// A timer of a form. Enabling a timer that already runs keeps its schedule;
// disabling stops it; enabling it again starts a new schedule from that
// moment (interval N enabled at e fires at e+N, e+2N, ...). Destroying the
// timer stops it. While the timers are held (TimerHold) no timer event
// runs; missed events are not made up.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

// When a timer enabled at `enabledAt` with `intervalMs` next does anything
// after `now`: the first event of its schedule past now, or, where its due
// hint says the handler cannot act before then, the first event from then.
inline std::int64_t nextUsefulEventMs(std::int64_t enabledAt, std::int64_t intervalMs, std::int64_t now,
                                      const std::function<std::int64_t()>& dueHint) {
    // Both are clock readings, so their difference cannot overflow; the
    // sums past now stop at the clock's end.
    std::int64_t due = laterMs(now - (now - enabledAt) % intervalMs, intervalMs);
    if (dueHint) {
        const std::int64_t hinted = dueHint();
        if (hinted > due) {
            const std::int64_t offBeat = (hinted - enabledAt) % intervalMs;
            due = offBeat == 0 ? hinted : laterMs(hinted, intervalMs - offBeat);
        }
    }
    return due;
}

// Makes timers. `dueHint`, when given, tells the earliest clock reading at
// which an event can do anything: a backend that cannot afford to wake every
// millisecond may sleep until then, since the handler would turn away every
// earlier event anyway.
class TimerService {
public:
    virtual ~TimerService() = default;
    virtual std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTimer,
                                          std::function<std::int64_t()> dueHint = {}) = 0;

    TimerHold& hold() { return hold_; }
    const TimerHold& hold() const { return hold_; }

protected:
    // `released` runs when the last holder lets the timers go.
    explicit TimerService(std::function<void()> released = {}) : hold_(std::move(released)) {}

private:
    TimerHold hold_;
};

} // namespace zol
