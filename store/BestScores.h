#pragma once

#include <cstdint>

namespace zol {

// The best score and best combo: loaded from the score store, raised during
// play, saved at game over. One pair for the whole program.
struct BestScores {
    std::int32_t hiScore = 0;
    std::int32_t maxCombo = 0;
};

} // namespace zol
