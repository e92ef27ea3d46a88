#pragma once

#include "platform/win32/SystemHeaders.h"
#include "play/Key.h"
#include "shell/DisplayMode.h"

#include <optional>

namespace zol::win32 {

// A key message's virtual-key code as the game's key.
play::Key gameKey(WPARAM virtualKey);

// Whether a WM_KEYDOWN repeats a key already held (its previous-state bit).
inline bool isAutoRepeat(LPARAM keyData) { return (keyData & (1 << 30)) != 0; }

struct Modifiers {
    bool control = false, alt = false, shift = false, windows = false;
};
// The modifiers held when the message being handled was sent.
Modifiers heldModifiers();

// F11 or Alt+Enter toggle full screen; Ctrl with Plus, Minus or 0, on the
// main keys or the keypad, set the window's factor. AltGr, which is Ctrl
// and Alt, types characters instead.
std::optional<DisplayCommand> displayCommand(WPARAM virtualKey, Modifiers held);

} // namespace zol::win32
