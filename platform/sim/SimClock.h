#pragma once

#include "platform/Clock.h"

namespace zol::sim {

// Virtual time: it moves only when the script says so.
class SimClock : public Clock {
public:
    std::int64_t nowMs() const override { return now_; }
    void set(std::int64_t ms) { now_ = ms; }

private:
    std::int64_t now_ = kClockStartMs;
};

} // namespace zol::sim
