#pragma once

#include "platform/win32/SystemHeaders.h"

namespace zol {
class FrontEnd;
}

namespace zol::win32 {

// F11, Alt+Enter and Ctrl with Plus, Minus or 0 in any of the game's
// windows, taken from the message loop before a button or the play screen
// sees them: Alt+Enter is no Enter to the game. A message box keeps its
// keys, as it runs a loop of its own. True when `message` was such a key.
bool displayKey(FrontEnd& game, const MSG& message);

} // namespace zol::win32
