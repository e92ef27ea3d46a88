#include "platform/sim/SimTimerService.h"

#include "platform/sim/SimClock.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace zol::sim {

struct SimTimerService::Entry {
    int intervalMs;
    std::function<void()> onTimer;
    std::function<std::int64_t()> dueHint;
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
                                               std::function<std::int64_t()> dueHint) {
    auto entry = std::make_shared<Entry>(Entry{intervalMs, std::move(onTimer), std::move(dueHint)});
    entries_.push_back(entry);
    return std::make_unique<SimTimer>(entry, clock_);
}

void SimTimerService::fireDue(const std::function<bool()>& held) {
    std::erase_if(entries_, [](const auto& e) { return !e->alive; });
    const std::int64_t now = clock_.nowMs();
    // A handler may make timers, which first fire a full interval later, or
    // destroy them, which only marks them; the list keeps every entry alive
    // until the next call.
    const std::size_t present = entries_.size();
    for (std::size_t i = 0; i < present; ++i) {
        Entry* e = entries_[i].get();
        if (held()) return;
        if (!e->alive || !e->enabled) continue;
        const std::int64_t since = now - e->enabledAt;
        if (since > 0 && since % e->intervalMs == 0) e->onTimer();
    }
}

} // namespace zol::sim

namespace zol::sim {

std::int64_t SimTimerService::nextUsefulMs(std::int64_t now, std::int64_t limit) const {
    std::int64_t next = limit;
    for (const auto& e : entries_) {
        if (!e->alive || !e->enabled) continue;
        next = std::min(next, nextUsefulEventMs(e->enabledAt, e->intervalMs, now, e->dueHint));
    }
    return next;
}

} // namespace zol::sim
