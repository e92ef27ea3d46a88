#pragma once

#include "platform/Drawing.h"
#include "platform/win32/SystemHeaders.h"
#include "play/Pixels.h"

namespace zol::win32 {

// The layout's pixels are pixels at 100 % (96 dots an inch); a window on a
// denser screen scales them by its own density.
inline constexpr int kDefaultDpi = 96;

inline int devicePixels(int pixels, int dpi) { return MulDiv(pixels, dpi, kDefaultDpi); }
// Device pixels as the layout counts them.
inline int layoutPixels(int device, int dpi) { return MulDiv(device, kDefaultDpi, dpi); }

inline RECT deviceRect(const play::PixelRect& r, int dpi) {
    return {devicePixels(r.left, dpi), devicePixels(r.top, dpi), devicePixels(r.left + r.width, dpi),
            devicePixels(r.top + r.height, dpi)};
}
inline RECT deviceRect(const play::Box& twips, int dpi) { return deviceRect(play::toPixels(twips), dpi); }

inline COLORREF colorRef(const Rgb& c) { return RGB(c.r, c.g, c.b); }

} // namespace zol::win32
