#pragma once

#include "platform/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace zol::sim {

class SimClock;

// Timers on virtual time. A timer of interval N enabled at e fires at e+N,
// e+2N, ...; in one millisecond the due timers fire in the order they were
// made. While `held` says so (a box is open) no timer fires, and missed
// events are not made up.
class SimTimerService : public TimerService {
public:
    explicit SimTimerService(const SimClock& clock) : clock_(clock) {}

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTimer,
                                  std::function<std::int64_t()> dueHint) override;

    // Fires every timer due at the clock's present millisecond.
    void fireDue(const std::function<bool()>& held);

    // The first millisecond after `now` at which a timer's handler can do
    // anything (its schedule, and its due hint), or `limit` if none before.
    // Every millisecond in between would only be turned away.
    std::int64_t nextUsefulMs(std::int64_t now, std::int64_t limit) const;

private:
    struct Entry;
    class SimTimer;

    const SimClock& clock_;
    std::vector<std::shared_ptr<Entry>> entries_;
};

} // namespace zol::sim
