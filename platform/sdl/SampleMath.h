#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zol {

// A signal in [-1, 1] as a 16-bit sample, rounded to the nearest step.
inline std::int32_t toSample(double value) {
    constexpr double kFullScale = 32767.0;
    return static_cast<std::int32_t>(std::lround(std::clamp(value, -1.0, 1.0) * kFullScale));
}

// Adds to a 16-bit sample, holding the sum at the ends of the range.
inline void addSaturating(std::int16_t& sample, std::int32_t add) {
    sample = static_cast<std::int16_t>(std::clamp<std::int32_t>(sample + add, -32768, 32767));
}

} // namespace zol
