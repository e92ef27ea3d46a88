#pragma once

#include "platform/BoxRecord.h"
#include "platform/MessageBoxes.h"
#include "platform/TimerHold.h"

#include <functional>
#include <string>

namespace zol {
class Clock;
}

namespace zol::sim {

// A box opens as an event and stays open until the script answers it.
// Warnings go to standard error.
class SimMessageBoxes : public MessageBoxes {
public:
    SimMessageBoxes(TimerHold& hold, BoxRecord& record, const Clock& clock)
        : hold_(hold), record_(record), clock_(clock) {}

    void open(const BoxRequest& box, std::function<void(int)> answered) override;
    bool isOpen() const override { return open_; }
    void warn(const std::string& text, std::function<void()> then) override;
    void answerFront(bool defaultButton) override {
        if (open_) answer(defaultButton);
    }

    // Closes the open box with OK or Cancel.
    void answer(bool ok);

private:
    TimerHold& hold_;
    BoxRecord& record_;
    const Clock& clock_;
    bool open_ = false;
    BoxButtons buttons_ = BoxButtons::Ok;
    std::function<void(int)> answered_;
};

} // namespace zol::sim
