#pragma once

#include "play/PlayLayout.h"

#include <QColor>
#include <QRect>

#include <cmath>

namespace zol::window {

// 15 twips make a pixel at 100 %; Qt's device pixel ratio scales the rest.
inline constexpr double kTwipsPerPixel = 15.0;

inline int pixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline QRect pixelRect(const play::Box& box) {
    return {pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height)};
}

inline QColor qcolor(const Rgb& c) { return {c.r, c.g, c.b}; }

} // namespace zol::window
