#pragma once

#include "platform/Screens.h"
#include "shell/ScreenScale.h"

namespace zol {

// No screen needs a larger window factor; a larger stored number is damage.
inline constexpr int kLargestWindowFactor = 16;

// How the game's windows are shown: full screen, or in a window at a whole
// multiple of their designed size.
struct DisplayMode {
    bool fullScreen = false;
    int windowFactor = 1;
    bool operator==(const DisplayMode&) const = default;
};

// What the player asks of the display: F11 or Alt+Enter, Ctrl+Plus,
// Ctrl+Minus, Ctrl+0.
enum class DisplayCommand { ToggleFullScreen, Larger, Smaller, DesignedSize };

// A screen's client area as designed, in pixels at 100 %.
PixelSize designedSize(ScreenId screen);

// The mode after a command, for windows on a screen with `available`
// pixels: the window factor stays where the largest of the game's screens
// still fits.
DisplayMode changedMode(DisplayMode mode, DisplayCommand command, PixelSize available);

// How a screen is drawn in that mode on a monitor of `monitor` pixels.
ScreenScale screenScale(const DisplayMode& mode, ScreenId screen, PixelSize monitor);

} // namespace zol
