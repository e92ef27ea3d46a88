#pragma once

#include <cstdint>

namespace zol {

// The millisecond clock of the tick gate: monotonic, 64-bit, reading
// 100000 + the milliseconds since the program started, so it never wraps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
};

inline constexpr std::int64_t kClockStartMs = 100000;

} // namespace zol
