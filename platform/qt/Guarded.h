#pragma once

#include <functional>

namespace zol::qt {

// Runs a handler of the game. A run-time error of the game (an overflow)
// cannot travel through Qt's event loop: it is shown to the player here and
// the program ends with status 1.
void guarded(const std::function<void()>& handler);

} // namespace zol::qt
