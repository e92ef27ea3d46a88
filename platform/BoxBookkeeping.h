#pragma once

#include "platform/BoxRecord.h"
#include "platform/MessageBoxes.h"

#include <functional>
#include <string>

namespace zol {
class Clock;
class HandlerGuard;
class TimerHold;

// A box asked for and not yet answered: what to show, and what runs after.
struct PendingBox {
    BoxRequest box;
    std::function<void(int)> answered;
    bool traced;  // the game's own boxes are events; warnings are not
};

// What every system's message boxes do around showing one, whatever shows
// it: the timers are held from the moment a box is asked for until its
// answer has been handled; the game's boxes and their answers are recorded;
// the answer runs the game's handler through the handler guard.
class BoxBookkeeping {
public:
    // The caption of the program's own boxes (a warning, a fatal error):
    // its name.
    static constexpr const char* kProgramCaption = "ゾルバス";

    BoxBookkeeping(TimerHold& hold, HandlerGuard& guard, BoxRecord& record, const Clock& clock)
        : hold_(hold), guard_(guard), record_(record), clock_(clock) {}

    PendingBox request(const BoxRequest& box, std::function<void(int)> answered);
    PendingBox warning(const std::string& text, std::function<void()> then);
    // The box was closed, with OK chosen or not. The handler may ask for the
    // next box at once: `pending` is no longer used by then.
    void answer(PendingBox pending, bool okChosen);
    bool anyOpen() const;

private:
    TimerHold& hold_;
    HandlerGuard& guard_;
    BoxRecord& record_;
    const Clock& clock_;
};

} // namespace zol
