#pragma once

#include "play/Key.h"

class QKeyEvent;

namespace zol::window {

// The game's key for a key event: the arrows, Enter (either one), E in
// either case; every other key is Other.
play::Key gameKey(const QKeyEvent& event);

} // namespace zol::window
