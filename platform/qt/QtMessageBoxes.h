#pragma once

#include "platform/MessageBoxes.h"

#include <functional>

namespace zol {
class Clock;
class Trace;
}

namespace zol::qt {

// Application-modal message boxes that do not run a nested event loop: the
// handler continues when the box is closed, and `closed` tells the timers
// to resume their schedules.
class QtMessageBoxes : public MessageBoxes {
public:
    QtMessageBoxes(Trace& trace, const Clock& clock, std::function<void()> closed)
        : trace_(trace), clock_(clock), closed_(std::move(closed)) {}

    void open(const MessageBox& box, std::function<void(int)> answered) override;
    bool isOpen() const override { return openCount_ > 0; }
    void warn(const std::string& text, std::function<void()> then) override;

private:
    Trace& trace_;
    const Clock& clock_;
    std::function<void()> closed_;
    int openCount_ = 0;
};

} // namespace zol::qt
