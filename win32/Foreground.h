#pragma once

#include "platform/win32/SystemHeaders.h"

namespace zol::win32 {

// The window in front if it is one of the game's (a screen or a box), else
// nothing: another program has the keyboard.
inline HWND gameWindowInFront() {
    const HWND front = GetForegroundWindow();
    return front && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId() ? front : nullptr;
}

} // namespace zol::win32
