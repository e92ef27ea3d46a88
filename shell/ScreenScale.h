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

// A screen on a page too small for the desktop's windows, or used by touch
// (a phone, a tablet): it fills the room it is given in proportion, centred,
// smaller than designed where need be. The factor is in layout pixels per
// designed pixel, the place in layout pixels, on whole device pixels.
struct RoomFit {
    double factor = 1;
    double left = 0, top = 0;
    bool operator==(const RoomFit&) const = default;
};

// A whole number of device pixels to the designed pixel draws the pictures
// sharp, each pixel a square; it is taken where it keeps at least this share
// of the largest size that fits.
inline constexpr double kWholeFitKeeps = 0.9;

// `room` in device pixels, `devicePixelRatio` of them to a layout pixel.
RoomFit fitToRoom(PixelSize designed, PixelSize room, double devicePixelRatio);

} // namespace zol
