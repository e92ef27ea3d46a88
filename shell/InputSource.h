#pragma once

namespace zol {

// Where a key of the game comes from: the keyboard, a gamepad (several may
// steer at once) or the page's touch controls. The game does not tell them
// apart; the key filter holds a key while any source holds it, and only the
// keyboard's repeats need its grace.
struct InputSource {
    enum class Kind { Keyboard, Touch, Pad };
    // Pads past this many are not read.
    static constexpr int kPads = 16;

    Kind kind = Kind::Keyboard;
    int pad = 0;  // which pad, from 0, for Kind::Pad

    static constexpr InputSource keyboard() { return {Kind::Keyboard, 0}; }
    static constexpr InputSource touch() { return {Kind::Touch, 0}; }
    static constexpr InputSource padNumber(int n) { return {Kind::Pad, n}; }
};

} // namespace zol
