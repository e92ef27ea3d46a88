#pragma once

#include <cstdint>

namespace zol {

// The forms runtime's random generator, exactly: a 24-bit linear
// congruential generator started at 327680 at every start of the program.
class Rnd {
public:
    float next() {
        state_ = (state_ * 1140671485u + 12820163u) & 0xFFFFFFu;
        return static_cast<float>(state_) / 16777216.0f;
    }

private:
    std::uint32_t state_ = 327680;
};

} // namespace zol
