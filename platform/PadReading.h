#pragma once

#include <array>

namespace zol {

// The controls of a pad the game reads, as the standard layout names them.
enum class PadControl { Up, Down, Left, Right, South, East, Start, Back };
inline constexpr int kPadControls = 8;

// A pad as read at one moment: its buttons, and the left stick from -1 to 1
// on each axis, right and down positive.
struct PadReading {
    std::array<bool, kPadControls> pressed{};
    float stickX = 0, stickY = 0;

    bool& operator[](PadControl c) { return pressed[static_cast<int>(c)]; }
    bool operator[](PadControl c) const { return pressed[static_cast<int>(c)]; }
};

} // namespace zol
