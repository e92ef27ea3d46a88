#pragma once

#include "platform/ScheduledTimers.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/Waker.h"

namespace zol::qt {

// The game's timers in Qt's event loop: one precise waker, aimed at the
// moment the earliest timer event falls due (see ScheduledTimers).
class QtTimerService : public ScheduledTimers {
public:
    QtTimerService(const QtClock& clock, HandlerGuard& guard);

private:
    void wakeForNext();

    const QtClock& clock_;
    Waker waker_;
};

} // namespace zol::qt
