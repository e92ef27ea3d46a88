#pragma once

namespace zol::play {

// The arrow keys the player holds on the play screen. They steer the
// meteorite at every tick; losing the keyboard lets go of all of them.
struct HeldKeys {
    bool left = false;
    bool right = false;
    bool down = false;

    void releaseAll() { left = right = down = false; }
};

} // namespace zol::play
