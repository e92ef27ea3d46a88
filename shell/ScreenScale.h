#pragma once

#include "play/Pixels.h"

#include <optional>

namespace zol {

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// How a screen drawn at its designed size in pixels is shown on a larger
// surface: every designed pixel becomes factor × factor pixels, the whole
// placed at (left, top). Whole factors keep the pictures' pixels square and
// sharp; the front ends draw text at the factor rather than enlarge it.
struct ScreenScale {
    int factor = 1;
    int left = 0, top = 0;

    play::PixelRect toSurface(const play::PixelRect& r) const {
        return {left + r.left * factor, top + r.top * factor, r.width * factor, r.height * factor};
    }
    PixelSize toSurface(PixelSize designed) const { return {designed.width * factor, designed.height * factor}; }
    // A point of the surface (a tap, a click) on the designed screen, or
    // nothing when it falls on the border around it.
    std::optional<PixelPoint> toDesigned(PixelPoint surface, PixelSize designed) const;
    bool operator==(const ScreenScale&) const = default;
};

// The largest whole factor at which `designed` fits into `available`; 1 when
// even the designed size does not fit, since a screen is never shrunk.
int largestWholeFactor(PixelSize designed, PixelSize available);

// Full screen: the largest whole factor, centred; the border stays black.
ScreenScale fitCentred(PixelSize designed, PixelSize available);

} // namespace zol
