#pragma once

#include "platform/Timer.h"
#include "platform/qt/QtClock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace zol {
class HandlerGuard;
}

namespace zol::qt {

class QtTimer;

// Timers with the forms runtime's schedule on Qt's precise single-shot
// timers: each wakes exactly when its next event is due (or, for a timer
// with a due hint, when its handler can next do something), never polls.
// While the timers are held (a box is open, the explosion is shown) events
// are dropped; when the hold is let go the timers go back on their
// schedules. Every event runs through the handler guard.
class QtTimerService : public TimerService {
public:
    QtTimerService(const QtClock& clock, HandlerGuard& guard);
    ~QtTimerService() override;

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTimer,
                                  std::function<std::int64_t()> dueHint) override;

private:
    friend class QtTimer;
    void resume();

    const QtClock& clock_;
    HandlerGuard& guard_;
    std::vector<QtTimer*> timers_;
};

} // namespace zol::qt
