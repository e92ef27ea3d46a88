#include "platform/sim/SimTimerService.h"

#include "platform/sim/SimClock.h"

#include <algorithm>

namespace zol::sim {

struct SimTimerService::Entry {
    int intervalMs;
    std::function<void()> onTimer;
    bool enabled = false;
    bool alive = true;
    std::int64_t enabledAt = 0;
};

class SimTimerService::SimTimer : public Timer {
public:
    SimTimer(std::shared_ptr<Entry> entry, const SimClock& clock) : entry_(std::move(entry)), clock_(clock) {}
    ~SimTimer() override { entry_->alive = false; }

    void setEnabled(bool enabled) override {
        // Enabling a running timer keeps its schedule.
        if (enabled && !entry_->enabled) entry_->enabledAt = clock_.nowMs();
        entry_->enabled = enabled;
    }
    bool enabled() const override { return entry_->enabled; }

private:
    std::shared_ptr<Entry> entry_;
    const SimClock& clock_;
};

std::unique_ptr<Timer> SimTimerService::create(int intervalMs, std::function<void()> onTimer,
                                               std::function<std::int64_t()>) {
    auto entry = std::make_shared<Entry>(Entry{intervalMs, std::move(onTimer)});
    entries_.push_back(entry);
    return std::make_unique<SimTimer>(entry, clock_);
}

void SimTimerService::fireDue(const std::function<bool()>& held) {
    std::erase_if(entries_, [](const auto& e) { return !e->alive; });
    const std::int64_t now = clock_.nowMs();
    // A handler may make or destroy timers; the ones made now first fire a
    // full interval later, so a copy of the present list is enough.
    const auto present = entries_;
    for (const auto& e : present) {
        if (held()) return;
        if (!e->alive || !e->enabled) continue;
        const std::int64_t since = now - e->enabledAt;
        if (since > 0 && since % e->intervalMs == 0) e->onTimer();
    }
}

} // namespace zol::sim
