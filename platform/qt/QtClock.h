#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace zol::qt {

// The real clock: 100000 + the milliseconds since the program started,
// monotonic and never wrapping.
class QtClock : public Clock {
public:
    QtClock() { started_.start(); }
    std::int64_t nowMs() const override { return kClockStartMs + started_.elapsed(); }
    std::int64_t nowNs() const { return started_.nsecsElapsed(); }

private:
    QElapsedTimer started_;
};

} // namespace zol::qt
