#pragma once

#include "platform/MessageBoxes.h"

#include <functional>
#include <string>

namespace zol {
class Clock;
class HandlerGuard;
class TimerHold;
class Trace;
}

namespace zol::qt {

// Application-modal message boxes that do not run a nested event loop: the
// handler continues, through the handler guard, when the box is closed.
// An open box holds the timers.
class QtMessageBoxes : public MessageBoxes {
public:
    QtMessageBoxes(TimerHold& hold, HandlerGuard& guard, Trace& trace, const Clock& clock)
        : hold_(hold), guard_(guard), trace_(trace), clock_(clock) {}

    void open(const MessageBox& box, std::function<void(int)> answered) override;
    bool isOpen() const override;
    void warn(const std::string& text, std::function<void()> then) override;

private:
    TimerHold& hold_;
    HandlerGuard& guard_;
    Trace& trace_;
    const Clock& clock_;
};

} // namespace zol::qt
