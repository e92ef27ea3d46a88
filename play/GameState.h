#pragma once

#include <array>
#include <cstdint>

namespace zol::play {

// The play screen's own variables. They come into being, all 0, with the
// first use of the screen and outlive its unloads: a second game finds them
// as the first one left them, except what game start sets.
struct GameState {
    std::int32_t meteorsLeft = 0;
    // Element 0 the meteorite's left edge, 1 to 6 the walkers'.
    std::array<std::int32_t, 7> posX{};
    std::int32_t meteorY = 0;
    std::int32_t meteorDX = 0;
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t walkSpeed = 0;
    // 0 walks left, anything else walks right; element 0 is never used.
    std::array<std::int32_t, 7> walkDir{};
    // Below 4 a walking frame, from 40 up a crushed walker; element 0 unused.
    std::array<std::int32_t, 7> walkFrame{};
    std::int32_t bannerStep = 0;
    std::int32_t combo = 0;
    // The clock reading of the last processed tick; 64-bit, so no clock
    // wrap ever holds ticks back.
    std::int64_t lastTick = 0;
};

} // namespace zol::play
