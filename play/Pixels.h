#pragma once

#include "play/PlayLayout.h"

#include <cmath>

namespace zol::play {

// 15 twips make a pixel at 100 % scale; a front end scales pixels by its
// screen's density. Positions round to the nearest pixel.
inline constexpr double kTwipsPerPixel = 15.0;

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline PixelRect toPixels(const Box& box) {
    return {toPixels(box.left), toPixels(box.top), toPixels(box.width), toPixels(box.height)};
}

} // namespace zol::play
