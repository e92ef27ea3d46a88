#include "platform/ScheduledTimers.h"

#include "platform/Clock.h"
#include "platform/HandlerGuard.h"

#include <algorithm>
#include <utility>

namespace zol {

class ScheduledTimers::ScheduledTimer : public Timer {
public:
    ScheduledTimer(ScheduledTimers& timers, int intervalMs, std::function<void()> onTimer,
                   std::function<std::int64_t()> dueHint)
        : timers_(timers), intervalMs_(intervalMs), onTimer_(std::move(onTimer)), dueHint_(std::move(dueHint)) {
        timers_.timers_.push_back(this);
    }
    ~ScheduledTimer() override {
        *alive_ = false;
        std::erase(timers_.timers_, this);
    }

    void setEnabled(bool enabled) override {
        if (enabled == enabled_) return;  // a running timer keeps its schedule
        enabled_ = enabled;
        due_.reset();
        if (enabled) {
            enabledAt_ = timers_.clock_.nowMs();
            scheduleNext();
        }
        timers_.changed();
    }
    bool enabled() const override { return enabled_; }
    const std::optional<std::int64_t>& due() const { return due_; }

    // The next event is due at the first reading past now on the timer's
    // schedule, or later where the handler could not act before.
    void scheduleNext() {
        if (enabled_) due_ = nextUsefulEventMs(enabledAt_, intervalMs_, timers_.clock_.nowMs(), dueHint_);
    }

    // Runs the handler once; a held event is dropped, and resume() puts the
    // timer back on its schedule.
    void fire() {
        due_.reset();
        if (timers_.hold().held()) return;
        const auto alive = alive_;  // the handler may unload this timer's form
        const auto handler = onTimer_;
        timers_.guard_.run(handler);
        if (*alive) scheduleNext();
    }

private:
    ScheduledTimers& timers_;
    int intervalMs_;
    std::function<void()> onTimer_;
    std::function<std::int64_t()> dueHint_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool enabled_ = false;
    std::int64_t enabledAt_ = 0;
    std::optional<std::int64_t> due_;
};

ScheduledTimers::ScheduledTimers(const Clock& clock, HandlerGuard& guard, std::function<void()> rescheduled)
    : TimerService([this] { resume(); }), clock_(clock), guard_(guard), rescheduled_(std::move(rescheduled)) {}

ScheduledTimers::~ScheduledTimers() = default;

std::unique_ptr<Timer> ScheduledTimers::create(int intervalMs, std::function<void()> onTimer,
                                               std::function<std::int64_t()> dueHint) {
    return std::make_unique<ScheduledTimer>(*this, intervalMs, std::move(onTimer), std::move(dueHint));
}

// A backend whose loop a modal box has taken over (Windows) fires nothing
// while held: what fell due meanwhile is dropped here, not made up.
void ScheduledTimers::resume() {
    const std::int64_t now = clock_.nowMs();
    for (ScheduledTimer* t : timers_)
        if (t->enabled() && (!t->due() || *t->due() <= now)) t->scheduleNext();
    changed();
}

// Inside fireDue() the backend asks for the earliest due moment afterwards
// anyway.
void ScheduledTimers::changed() {
    if (!firing_ && rescheduled_) rescheduled_();
}

std::optional<std::int64_t> ScheduledTimers::earliestDue() const {
    std::optional<std::int64_t> earliest;
    for (const ScheduledTimer* t : timers_)
        if (t->due() && (!earliest || *t->due() < *earliest)) earliest = t->due();
    return earliest;
}

// Handlers may make and destroy timers: look again after each one.
void ScheduledTimers::fireDue() {
    firing_ = true;
    for (;;) {
        const std::int64_t now = clock_.nowMs();
        const auto due = std::find_if(timers_.begin(), timers_.end(),
                                      [now](const ScheduledTimer* t) { return t->due() && *t->due() <= now; });
        if (due == timers_.end()) break;
        (*due)->fire();
    }
    firing_ = false;
}

} // namespace zol
