#include "shell/PadControls.h"

#include <utility>

namespace zol {

namespace {

constexpr std::uint8_t bit(PadControl c) { return static_cast<std::uint8_t>(1u << static_cast<int>(c)); }

// One axis of the stick: towards `negative` or `positive`, or neither.
std::uint8_t axis(std::uint8_t before, float value, PadControl negative, PadControl positive, float press,
                  float release) {
    const bool wasNegative = before & bit(negative), wasPositive = before & bit(positive);
    if (value <= -press || (wasNegative && value < -release)) return bit(negative);
    if (value >= press || (wasPositive && value > release)) return bit(positive);
    return 0;
}

} // namespace

std::uint8_t PadControls::stickDirections(std::uint8_t before, float x, float y) const {
    return axis(before, x, PadControl::Left, PadControl::Right, kStickPress, kStickRelease) |
           axis(before, y, PadControl::Up, PadControl::Down, kStickPress, kStickRelease);
}

void PadControls::read(int pad, const PadReading& now) {
    if (pad < 0 || pad >= InputSource::kPads) return;
    Held& held = held_[pad];
    held.stick = stickDirections(held.stick, now.stickX, now.stickY);
    std::uint8_t controls = held.stick;
    for (int c = 0; c < kPadControls; ++c)
        if (now.pressed[c]) controls |= bit(static_cast<PadControl>(c));
    const std::uint8_t before = std::exchange(held.controls, controls);
    // Releases first: a d-pad rocked from left to right lets go of left
    // before it presses right.
    for (bool down : {false, true}) {
        for (int c = 0; c < kPadControls; ++c) {
            const std::uint8_t b = bit(static_cast<PadControl>(c));
            if ((before & b) != (controls & b) && ((controls & b) != 0) == down) changed_(pad, static_cast<PadControl>(c), down);
        }
    }
}

} // namespace zol
