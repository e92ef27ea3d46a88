#pragma once

#include "platform/win32/SystemHeaders.h"
#include "play/Key.h"

namespace zol::win32 {

// A key message's virtual-key code as the game's key.
play::Key gameKey(WPARAM virtualKey);

// Whether a WM_KEYDOWN repeats a key already held (its previous-state bit).
inline bool isAutoRepeat(LPARAM keyData) { return (keyData & (1 << 30)) != 0; }

} // namespace zol::win32
