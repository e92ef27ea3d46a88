#pragma once

#include "platform/win32/SystemHeaders.h"
#include "shell/ScreenScale.h"

namespace zol::win32 {

// A monitor's whole area and its work area (less the taskbar), in device
// pixels of the virtual screen.
MONITORINFO monitorInfo(HMONITOR monitor);

// A device rectangle's size in the layout's pixels, at a density.
PixelSize layoutSize(const RECT& device, int dpi);

// The room for a window on the monitor `window` is on, in the layout's
// pixels at the window's density.
PixelSize workRoom(HWND window);

// The monitor of the game's window in front, or of any open one, where a new
// screen opens; the primary monitor for the first.
HMONITOR frontMonitor(HWND anyOpen);

} // namespace zol::win32
