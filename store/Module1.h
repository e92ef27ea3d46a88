#pragma once

#include <array>
#include <cstdint>

namespace zol {

// The process-wide variables: the best values, kept between runs by the
// score store, and the held-key flags of the play screen (0 Left, 1 Right,
// 2 Down; 3 and 4 are never used).
struct Module1 {
    std::int32_t hiScore = 0;
    std::int32_t maxCombo = 0;
    std::array<std::int16_t, 5> keyState{};
};

} // namespace zol
