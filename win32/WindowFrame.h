#pragma once

#include "platform/win32/SystemHeaders.h"

namespace zol::win32 {

// The frame of a screen's window: a caption with a close box around a
// fixed client area, or, full screen, none at all.
DWORD frameStyle(bool fullScreen);
// Tab moves between the buttons of the window (IsDialogMessage).
inline constexpr DWORD kFrameExtendedStyle = WS_EX_CONTROLPARENT;

// Where the window goes on a monitor whose room (its whole area full
// screen, else its work area) is `room`: all of it full screen; else a
// frame around `client` at `topLeft` or, with none, centred.
RECT frameRect(bool fullScreen, const RECT& room, const RECT& client, int dpi, const POINT* topLeft);

} // namespace zol::win32
