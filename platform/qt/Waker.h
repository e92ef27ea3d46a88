#pragma once

#include <chrono>
#include <functional>

class QObject;

namespace zol::qt {

// Calls back once at a given moment of the steady clock, to the
// microsecond where the system allows: on Linux a timerfd watched by Qt's
// event loop, elsewhere a precise QTimer, which keeps to whole milliseconds.
class Waker {
public:
    explicit Waker(std::function<void()> wake);
    ~Waker();
    Waker(const Waker&) = delete;
    Waker& operator=(const Waker&) = delete;

    void wakeAt(std::chrono::steady_clock::time_point moment);
    void cancel();
    bool pending() const { return pending_; }

private:
    void fire();

    std::function<void()> wake_;
    QObject* source_ = nullptr;
    int fd_ = -1;
    bool pending_ = false;
};

} // namespace zol::qt
