#pragma once

#include "platform/Drawing.h"
#include "play/Pixels.h"

#include <QColor>
#include <QRect>

namespace zol::window {

inline QRect qrect(const play::PixelRect& r) { return {r.left, r.top, r.width, r.height}; }
inline QRect qrect(const play::Box& twips) { return qrect(play::toPixels(twips)); }
inline QColor qcolor(const Rgb& c) { return {c.r, c.g, c.b}; }

} // namespace zol::window
