#include "platform/qt/Waker.h"

#include <QSocketNotifier>
#include <QTimer>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#include <utility>
#endif

namespace zol::qt {

#ifdef __linux__

// The steady clock is CLOCK_MONOTONIC here, so its moments can be handed to
// the kernel as they are.
Waker::Waker(std::function<void()> wake) : wake_(std::move(wake)) {
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [this] {
        std::uint64_t expirations = 0;
        if (read(fd_, &expirations, sizeof expirations) == sizeof expirations) fire();
    });
    source_ = notifier;
}

// The waker may go from inside its own callback: the notifier and its file
// go once the callback has returned.
Waker::~Waker() {
    auto* notifier = static_cast<QSocketNotifier*>(source_);
    notifier->setEnabled(false);
    QObject::disconnect(notifier, nullptr, nullptr, nullptr);
    const int fd = fd_;
    QObject::connect(notifier, &QObject::destroyed, [fd] { close(fd); });
    notifier->deleteLater();
}

void Waker::wakeAt(std::chrono::steady_clock::time_point moment) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(moment.time_since_epoch()).count();
    itimerspec deadline{};
    // Zero would disarm the timer: a moment already past wakes at once.
    deadline.it_value.tv_sec = ns > 0 ? ns / 1'000'000'000 : 0;
    deadline.it_value.tv_nsec = ns > 0 ? ns % 1'000'000'000 : 1;
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &deadline, nullptr);
    pending_ = true;
}

void Waker::cancel() {
    const itimerspec disarmed{};
    timerfd_settime(fd_, 0, &disarmed, nullptr);
    pending_ = false;
}

#else

Waker::Waker(std::function<void()> wake) : wake_(std::move(wake)) {
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [this] { fire(); });
    source_ = timer;
}

Waker::~Waker() {
    auto* timer = static_cast<QTimer*>(source_);
    timer->stop();
    QObject::disconnect(timer, nullptr, nullptr, nullptr);
    timer->deleteLater();
}

void Waker::wakeAt(std::chrono::steady_clock::time_point moment) {
    const auto wait = moment - std::chrono::steady_clock::now();
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait);
    static_cast<QTimer*>(source_)->start(std::max(ms, std::chrono::milliseconds(0)));
    pending_ = true;
}

void Waker::cancel() {
    static_cast<QTimer*>(source_)->stop();
    pending_ = false;
}

#endif

void Waker::fire() {
    pending_ = false;
    wake_();
}

} // namespace zol::qt
