#pragma once

#include <cstdint>

namespace zol {

// White noise from a fixed xorshift generator: the same seed gives the same
// sound on every build, which std::random distributions do not promise.
class WhiteNoise {
public:
    explicit WhiteNoise(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    // The next sample, evenly spread over [-1, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

} // namespace zol
