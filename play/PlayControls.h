#pragma once

#include "play/PlayLayout.h"

#include <array>
#include <cstddef>
#include <string>

namespace zol::play {

struct Label {
    Box box;
    std::string caption;
    bool operator==(const Label&) const = default;
};

// An image box. `picture` is the walker store's index for the walkers; the
// meteorite always shows its own picture.
struct Image {
    Box box;
    bool visible = true;
    int picture = 0;

    void move(float left) { box.left = left; }
    void move(float left, float top) {
        box.left = left;
        box.top = top;
    }
    bool operator==(const Image&) const = default;
};

// The controls of the play screen, as the game moves them. They come back as
// designed on every load of the screen.
struct PlayControls {
    Label statusLine, groundBand, bestScoreLabel, bestComboLabel, comboBanner;
    Image meteor;
    std::array<Image, 6> walkers;

    // Walker i, counted from 1 as the game's variables count them.
    Image& walker(int i) { return walkers[static_cast<std::size_t>(i - 1)]; }
    const Image& walker(int i) const { return walkers[static_cast<std::size_t>(i - 1)]; }

    static PlayControls designed();
};

} // namespace zol::play
