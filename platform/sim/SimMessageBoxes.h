#pragma once

#include "platform/MessageBoxes.h"

#include <functional>

namespace zol {
class Clock;
class Trace;
}

namespace zol::sim {

// A box opens as an event and stays open until the script answers it.
// Warnings go to standard error.
class SimMessageBoxes : public MessageBoxes {
public:
    SimMessageBoxes(Trace& trace, const Clock& clock) : trace_(trace), clock_(clock) {}

    void open(const MessageBox& box, std::function<void(int)> answered) override;
    bool isOpen() const override { return open_; }
    void warn(const std::string& text, std::function<void()> then) override;

    // Closes the open box with OK or Cancel; a box with only OK answers OK.
    void answer(int value);

private:
    Trace& trace_;
    const Clock& clock_;
    bool open_ = false;
    bool okOnly_ = false;
    std::function<void(int)> answered_;
};

} // namespace zol::sim
