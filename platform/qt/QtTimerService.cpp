#include "platform/qt/QtTimerService.h"

#include "shell/HandlerGuard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/Waker.h"


#include <algorithm>
#include <chrono>
#include <memory>
#include <utility>

namespace zol::qt {

class QtTimer : public Timer {
public:
    QtTimer(QtTimerService& service, int intervalMs, std::function<void()> onTimer,
            std::function<std::int64_t()> dueHint)
        : service_(service),
          intervalMs_(intervalMs),
          onTimer_(std::move(onTimer)),
          dueHint_(std::move(dueHint)),
          waker_([this] { fire(); }) {
        service_.timers_.push_back(this);
    }
    ~QtTimer() override {
        *alive_ = false;
        std::erase(service_.timers_, this);
    }

    void setEnabled(bool enabled) override {
        if (enabled == enabled_) return;  // a running timer keeps its schedule
        enabled_ = enabled;
        if (enabled) {
            enabledAt_ = service_.clock_.nowMs();
            scheduleNext();
        } else {
            waker_.cancel();
        }
    }
    bool enabled() const override { return enabled_; }
    bool waiting() const { return waker_.pending(); }

    // The next event is due at the first reading past now on the timer's
    // schedule, or later where the handler could not act before.
    void scheduleNext() {
        if (!enabled_) return;
        const std::int64_t due = nextUsefulEventMs(enabledAt_, intervalMs_, service_.clock_.nowMs(), dueHint_);
        waker_.wakeAt(service_.clock_.momentOf(due));
    }

private:
    void fire() {
        if (!enabled_) return;
        if (service_.hold().held()) return;  // resume() puts it back on schedule
        // The handler may unload the form whose timer this is.
        const auto alive = alive_;
        const auto handler = onTimer_;
        service_.guard_.run(handler);
        if (*alive) scheduleNext();
    }

    QtTimerService& service_;
    int intervalMs_;
    std::function<void()> onTimer_;
    std::function<std::int64_t()> dueHint_;
    Waker waker_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool enabled_ = false;
    std::int64_t enabledAt_ = 0;
};

QtTimerService::QtTimerService(const QtClock& clock, HandlerGuard& guard)
    : TimerService([this] { resume(); }), clock_(clock), guard_(guard) {}

QtTimerService::~QtTimerService() = default;

std::unique_ptr<Timer> QtTimerService::create(int intervalMs, std::function<void()> onTimer,
                                              std::function<std::int64_t()> dueHint) {
    return std::make_unique<QtTimer>(*this, intervalMs, std::move(onTimer), std::move(dueHint));
}

void QtTimerService::resume() {
    for (QtTimer* t : timers_)
        if (t->enabled() && !t->waiting()) t->scheduleNext();
}

} // namespace zol::qt
