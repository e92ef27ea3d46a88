#pragma once

#include "platform/Timer.h"

#include <functional>
#include <vector>

namespace zol::qt {

class QtClock;
class QtTimer;

// Timers with the forms runtime's schedule on Qt's precise single-shot
// timers: each wakes exactly when its next event is due (or, for a timer
// with a due hint, when its handler can next do something), never polls.
// While `held` says so (a box is open, the game-over drawing is shown),
// events are dropped; `resume` puts the timers back on their schedules.
class QtTimerService : public TimerService {
public:
    QtTimerService(const QtClock& clock, std::function<bool()> held);
    ~QtTimerService() override;

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTimer,
                                  std::function<std::int64_t()> dueHint) override;
    void resume();

private:
    friend class QtTimer;
    const QtClock& clock_;
    std::function<bool()> held_;
    std::vector<QtTimer*> timers_;
};

} // namespace zol::qt
