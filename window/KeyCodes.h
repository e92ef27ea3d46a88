#pragma once

#include "play/Key.h"
#include "shell/DisplayMode.h"

#include <optional>

class QKeyEvent;

namespace zol::window {

// The game's key for a key event: the arrows, Enter (either one), E in
// either case; every other key is Other.
play::Key gameKey(const QKeyEvent& event);

// The display's keys: F11 or Alt+Enter, Ctrl with Plus (or =, its key
// unshifted), Minus or 0, on the main keys or the keypad.
std::optional<DisplayCommand> displayCommand(const QKeyEvent& event);

} // namespace zol::window
