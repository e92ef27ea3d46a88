#include "platform/qt/QtTimerService.h"

namespace zol::qt {

QtTimerService::QtTimerService(const QtClock& clock, HandlerGuard& guard)
    : ScheduledTimers(clock, guard, [this] { wakeForNext(); }),
      clock_(clock),
      waker_([this] {
          fireDue();
          wakeForNext();
      }) {}

void QtTimerService::wakeForNext() {
    if (const auto due = earliestDue()) {
        waker_.wakeAt(clock_.momentOf(*due));
    } else {
        waker_.cancel();
    }
}

} // namespace zol::qt
