#pragma once

#include "platform/PadReading.h"
#include "shell/InputSource.h"

#include <array>
#include <cstdint>
#include <functional>

namespace zol {

// Turns readings of the pads into presses and releases of their controls.
// The stick is a second d-pad: it presses a direction past kStickPress and
// lets go inside kStickRelease, so a resting stick never counts and one held
// near the edge does not flicker. A direction is held while the d-pad or
// the stick holds it.
class PadControls {
public:
    static constexpr float kStickPress = 0.5f;
    static constexpr float kStickRelease = 0.35f;
    using Changed = std::function<void(int pad, PadControl control, bool down)>;

    explicit PadControls(Changed changed) : changed_(std::move(changed)) {}

    void read(int pad, const PadReading& now);
    // The pad went, or the game's windows stopped reading pads: what it
    // held is let go, and a control still held when the reading resumes is
    // a new press.
    void letGo(int pad) { read(pad, PadReading{}); }
    void letGoAll() {
        for (int pad = 0; pad < InputSource::kPads; ++pad) letGo(pad);
    }

private:
    struct Held {
        std::uint8_t stick = 0;     // directions the stick holds, a bit each
        std::uint8_t controls = 0;  // every control held, stick included
    };
    std::uint8_t stickDirections(std::uint8_t before, float x, float y) const;

    Changed changed_;
    std::array<Held, InputSource::kPads> held_{};
};

} // namespace zol
