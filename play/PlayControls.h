#pragma once

#include "play/PlayLayout.h"

#include <array>
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
    Label label1, label2, label3, label4, con;
    std::array<Image, 7> image1;

    static PlayControls designed();
};

} // namespace zol::play
