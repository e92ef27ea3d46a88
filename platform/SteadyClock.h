#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace zol {

// The real clock of a windowed program: 100000 + the milliseconds since the
// program started, on the system's steady clock, so monotonic and never
// wrapping.
class SteadyClock : public Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    std::int64_t nowMs() const override {
        return kClockStartMs +
               std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_).count();
    }
    // The moment at which the clock starts to read `ms`.
    TimePoint momentOf(std::int64_t ms) const { return started_ + std::chrono::milliseconds(ms - kClockStartMs); }

private:
    TimePoint started_ = std::chrono::steady_clock::now();
};

} // namespace zol
