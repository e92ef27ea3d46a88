#pragma once

#include "platform/SteadyClock.h"

namespace zol::qt {

// Qt's timers wait on the same steady clock.
using QtClock = SteadyClock;

} // namespace zol::qt
