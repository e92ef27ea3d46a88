#include "shell/ScreenScale.h"

#include <algorithm>
#include <cmath>

namespace zol {

std::optional<PixelPoint> ScreenScale::toDesigned(PixelPoint surface, PixelSize designed) const {
    const int x = surface.x - left, y = surface.y - top;
    if (x < 0 || y < 0 || factor < 1) return std::nullopt;
    const PixelPoint point{x / factor, y / factor};
    if (point.x >= designed.width || point.y >= designed.height) return std::nullopt;
    return point;
}

int largestWholeFactor(PixelSize designed, PixelSize available) {
    if (designed.width <= 0 || designed.height <= 0) return 1;
    return std::max(1, std::min(available.width / designed.width, available.height / designed.height));
}

ScreenScale fitCentred(PixelSize designed, PixelSize available) {
    const int factor = largestWholeFactor(designed, available);
    // A screen larger than the surface is shown from its top left corner,
    // which keeps the captions and the buttons reachable.
    return {factor, std::max(0, (available.width - designed.width * factor) / 2),
            std::max(0, (available.height - designed.height * factor) / 2)};
}

RoomFit fitToRoom(PixelSize designed, PixelSize room, double devicePixelRatio) {
    if (designed.width <= 0 || designed.height <= 0 || room.width <= 0 || room.height <= 0 || !(devicePixelRatio > 0))
        return {};
    const double largest = std::min(static_cast<double>(room.width) / designed.width,
                                    static_cast<double>(room.height) / designed.height);
    const double whole = std::floor(largest);
    const double scale = whole >= 1 && whole >= kWholeFitKeeps * largest ? whole : largest;
    const auto margin = [&](int roomPixels, int designedPixels) {
        return std::max(0.0, std::floor((roomPixels - designedPixels * scale) / 2)) / devicePixelRatio;
    };
    return {scale / devicePixelRatio, margin(room.width, designed.width), margin(room.height, designed.height)};
}

} // namespace zol
