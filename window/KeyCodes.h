#pragma once

class QKeyEvent;

namespace zol::window {

// The virtual-key code of a key event, as the play screen's key handlers
// expect it: 37 Left, 38 Up, 39 Right, 40 Down, 13 Enter, 65 to 90 the
// letters whatever the case, 48 to 57 the digits; 0 for keys it ignores.
int virtualKeyCode(const QKeyEvent& event);

} // namespace zol::window
