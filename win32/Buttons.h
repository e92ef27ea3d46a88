#pragma once

#include "platform/win32/SystemHeaders.h"

namespace zol::win32 {

// A push button of a screen, in the Tab order of its making; its id is
// what WM_COMMAND names.
HWND makeButton(HWND parent, int id, const char* caption);
void placeButton(HWND button, const RECT& where, HFONT font);

// Enter presses the button that has the focus, as Space does, in the
// title and help windows; Tab moves between their buttons. True when the
// message was such a key.
bool dialogKey(HWND window, MSG& message);

} // namespace zol::win32
