#pragma once

#include "platform/MessageBoxes.h"

#include <functional>
#include <optional>

namespace zol {
class Clock;
class HandlerGuard;
class TimerHold;
class Trace;
}

namespace zol::web {

// Message boxes as the page's modal <dialog>: one at a time, with the
// designed caption, text and buttons; an open box holds the timers. The page
// reports the answer through `answered`, which runs the game's handler
// through the handler guard. A warning is a box with OK only and the
// program's name as its caption, not traced.
class WebMessageBoxes : public MessageBoxes {
public:
    WebMessageBoxes(TimerHold& hold, HandlerGuard& guard, Trace& trace, const Clock& clock)
        : hold_(hold), guard_(guard), trace_(trace), clock_(clock) {}

    void open(const MessageBox& box, std::function<void(int)> answered) override;
    bool isOpen() const override { return shown_.has_value(); }
    void warn(const std::string& text, std::function<void()> then) override;

    // The open box is a warning, which the trace does not show.
    bool showsWarning() const { return shown_ && !shown_->traced; }
    // The page's dialog closed, with OK chosen or not.
    void answered(bool okChosen);

private:
    struct Shown {
        BoxButtons buttons;
        bool traced;
        std::function<void(int)> then;
    };
    void show(const MessageBox& box, Shown shown);

    TimerHold& hold_;
    HandlerGuard& guard_;
    Trace& trace_;
    const Clock& clock_;
    std::optional<Shown> shown_;
};

} // namespace zol::web
