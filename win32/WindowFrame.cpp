#include "win32/WindowFrame.h"

#include <algorithm>

namespace zol::win32 {

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// No frame: the window covers the monitor, the taskbar included.
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPCHILDREN;

} // namespace

DWORD frameStyle(bool fullScreen) { return fullScreen ? kFullScreenStyle : kWindowStyle; }

RECT frameRect(bool fullScreen, const RECT& room, const RECT& client, int dpi, const POINT* topLeft) {
    if (fullScreen) return room;
    RECT outer = client;
    AdjustWindowRectExForDpi(&outer, kWindowStyle, FALSE, kFrameExtendedStyle, static_cast<UINT>(dpi));
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    // A window larger than the work area keeps its caption on it.
    const POINT at = topLeft ? *topLeft
                             : POINT{std::max(room.left, (room.left + room.right - width) / 2),
                                     std::max(room.top, (room.top + room.bottom - height) / 2)};
    return {at.x, at.y, at.x + width, at.y + height};
}

} // namespace zol::win32
