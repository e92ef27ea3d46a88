#include "shell/DisplayMode.h"

#include "play/PlayLayout.h"
#include "shell/HelpLayout.h"
#include "shell/TitleLayout.h"

#include <algorithm>

namespace zol {

PixelSize designedSize(ScreenId screen) {
    switch (screen) {
    case ScreenId::Title: return {play::toPixels(title::kClientWidthTw), play::toPixels(title::kClientHeightTw)};
    case ScreenId::Help: return {play::toPixels(help::kClientWidthTw), play::toPixels(help::kClientHeightTw)};
    case ScreenId::Play: break;
    }
    return {play::toPixels(play::kClientWidthTw), play::toPixels(play::kClientHeightTw)};
}

namespace {

// Every window of the game fits at a factor when the largest does.
PixelSize largestScreen() {
    PixelSize largest;
    for (ScreenId screen : {ScreenId::Title, ScreenId::Play, ScreenId::Help}) {
        largest.width = std::max(largest.width, designedSize(screen).width);
        largest.height = std::max(largest.height, designedSize(screen).height);
    }
    return largest;
}

} // namespace

DisplayMode changedMode(DisplayMode mode, DisplayCommand command, PixelSize available) {
    const int largest = std::min(kLargestWindowFactor, largestWholeFactor(largestScreen(), available));
    switch (command) {
    case DisplayCommand::ToggleFullScreen: mode.fullScreen = !mode.fullScreen; break;
    case DisplayCommand::Larger: mode.windowFactor = std::clamp(mode.windowFactor + 1, 1, largest); break;
    case DisplayCommand::Smaller: mode.windowFactor = std::clamp(mode.windowFactor - 1, 1, largest); break;
    case DisplayCommand::DesignedSize: mode.windowFactor = 1; break;
    }
    return mode;
}

ScreenScale screenScale(const DisplayMode& mode, ScreenId screen, PixelSize monitor) {
    if (mode.fullScreen) return fitCentred(designedSize(screen), monitor);
    // A stored factor from a larger monitor shrinks to what fits this one.
    return {std::clamp(mode.windowFactor, 1, largestWholeFactor(largestScreen(), monitor)), 0, 0};
}

} // namespace zol
