#pragma once

#include "play/PlayControls.h"
#include "play/Pixels.h"

#include <string_view>
#include <vector>

namespace zol::play {

// One thing a front end paints on the play screen, in pixels at 100 %.
struct SceneItem {
    enum class Kind { Label, Meteorite, Walker };
    Kind kind;
    PixelRect rect;
    // Labels: how to paint, and the caption (valid until the controls change).
    const LabelLook* look = nullptr;
    std::string_view caption;
    // Walkers: the frame of the walker pictures to show (0 to 6).
    int walkerFrame = 0;
};

// What the play screen shows, from the back to the front: walker 1, the
// meteorite, the status line, the ground band, the best score, walkers 2 to
// 6, the combo banner, the best combo. Hidden pictures are left out. A
// picture is stretched to its rect without smoothing, in device pixels, so
// that it stays sharp on dense screens.
std::vector<SceneItem> playScene(const PlayControls& controls);
// The scene always holds this many labels, in the same order.
inline constexpr int kSceneLabels = 5;

// Where the screen must be painted again after `before` became `now`: the
// old and the new place of every control that changed.
std::vector<PixelRect> playDamage(const PlayControls& before, const PlayControls& now);

} // namespace zol::play
