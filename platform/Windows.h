#pragma once

#include "platform/Screens.h"

namespace zol {

// What the program asks of a front end's windows, one per loaded screen:
// a windowed front end creates, repaints and destroys them accordingly.
class Windows {
public:
    virtual ~Windows() = default;
    virtual void loaded(ScreenId screen) = 0;
    virtual void unloaded(ScreenId screen) = 0;
    virtual void bringToFront(ScreenId screen) = 0;
    // The screen's controls have changed: repaint what moved.
    virtual void changed(ScreenId screen) = 0;
    // The program stops at once; no further handler runs.
    virtual void end() = 0;
};

} // namespace zol
