#include "platform/qt/QtTimerService.h"

#include "platform/qt/Guarded.h"
#include "platform/qt/QtClock.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>

namespace zol::qt {

class QtTimer : public Timer {
public:
    QtTimer(QtTimerService& service, int intervalMs, std::function<void()> onTimer,
            std::function<std::int64_t()> dueHint)
        : service_(service), intervalMs_(intervalMs), onTimer_(std::move(onTimer)), dueHint_(std::move(dueHint)) {
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, [this] { fire(); });
        service_.timers_.push_back(this);
    }
    // A handler may unload the form whose timer called it: the QTimer goes
    // once its signal has returned.
    ~QtTimer() override {
        *alive_ = false;
        timer_->stop();
        timer_->deleteLater();
        std::erase(service_.timers_, this);
    }

    void setEnabled(bool enabled) override {
        if (enabled == enabled_) return;  // a running timer keeps its schedule
        enabled_ = enabled;
        if (enabled) {
            enabledAt_ = service_.clock_.nowMs();
            scheduleNext();
        } else {
            timer_->stop();
        }
    }
    bool enabled() const override { return enabled_; }
    bool waiting() const { return timer_->isActive(); }

    void scheduleNext() {
        if (!enabled_) return;
        const std::int64_t now = service_.clock_.nowMs();
        std::int64_t due = enabledAt_ + ((now - enabledAt_) / intervalMs_ + 1) * intervalMs_;
        if (dueHint_) {
            const std::int64_t hinted = dueHint_();
            if (hinted > due) due = enabledAt_ + (hinted - enabledAt_ + intervalMs_ - 1) / intervalMs_ * intervalMs_;
        }
        // Wake at the first moment the clock reads `due`: the wait is
        // measured from the present nanosecond and rounded up.
        const std::int64_t dueNs = (due - kClockStartMs) * 1'000'000;
        const std::int64_t waitNs = std::max<std::int64_t>(0, dueNs - service_.clock_.nowNs());
        timer_->start(std::chrono::milliseconds((waitNs + 999'999) / 1'000'000));
    }

private:
    void fire() {
        if (!enabled_) return;
        if (service_.held_()) return;  // resume() puts it back on schedule
        const auto alive = alive_;
        const auto handler = onTimer_;
        guarded(handler);
        if (*alive) scheduleNext();
    }

    QtTimerService& service_;
    int intervalMs_;
    std::function<void()> onTimer_;
    std::function<std::int64_t()> dueHint_;
    QTimer* timer_ = new QTimer;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool enabled_ = false;
    std::int64_t enabledAt_ = 0;
};

QtTimerService::QtTimerService(const QtClock& clock, std::function<bool()> held)
    : clock_(clock), held_(std::move(held)) {}

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
