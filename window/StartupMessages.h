#pragma once

#include <string>

namespace zol::window {

// What the windowed program says when it cannot start on a display.

// No display is named at all.
inline constexpr const char* kNoDisplayLine =
    "zolbas: no display to open the game's window on (is DISPLAY or WAYLAND_DISPLAY set?)\n";

// A display is named but cannot be reached: the line names it, as the
// environment gives it (each argument may be null), and Qt's reason.
std::string unreachableDisplayLine(const char* display, const char* waylandDisplay, const char* qpaPlatform,
                                   const std::string& why);

// From now until `startupDone`, Qt's messages are held back. Qt reports a
// display it cannot reach with a few lines of its own and then aborts; that
// becomes the one line above, with Qt's last warning as the reason, and
// status 1 instead, with nothing before it.
void holdStartupMessages();
// The application started: the held messages are let through, and later
// ones pass at once (debug output never does). Qt's notice that
// XDG_RUNTIME_DIR is not set never does either: Qt uses a folder of its
// own then, which is no concern of the player's.
void startupDone();

} // namespace zol::window
