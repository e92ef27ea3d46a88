#include "win32/Monitors.h"

#include "win32/Foreground.h"
#include "win32/Pixels.h"

namespace zol::win32 {

MONITORINFO monitorInfo(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

PixelSize layoutSize(const RECT& device, int dpi) {
    return {layoutPixels(device.right - device.left, dpi), layoutPixels(device.bottom - device.top, dpi)};
}

PixelSize workRoom(HWND window) {
    return layoutSize(monitorInfo(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)).rcWork,
                      static_cast<int>(GetDpiForWindow(window)));
}

HMONITOR frontMonitor(HWND anyOpen) {
    const HWND front = gameWindowInFront();
    // No window: the primary monitor.
    return MonitorFromWindow(front ? front : anyOpen, MONITOR_DEFAULTTOPRIMARY);
}

} // namespace zol::win32
