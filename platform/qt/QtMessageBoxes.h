#pragma once

#include "platform/BoxBookkeeping.h"
#include "platform/MessageBoxes.h"

#include <functional>
#include <string>

class QMessageBox;

namespace zol::qt {

// Application-modal message boxes that do not run a nested event loop: the
// handler continues, through the handler guard, when the box is closed.
// An open box holds the timers.
class QtMessageBoxes : public MessageBoxes {
public:
    QtMessageBoxes(TimerHold& hold, HandlerGuard& guard, BoxRecord& record, const Clock& clock)
        : bookkeeping_(hold, guard, record, clock) {}

    void open(const BoxRequest& box, std::function<void(int)> answered) override;
    bool isOpen() const override;
    void warn(const std::string& text, std::function<void()> then) override;
    void answerFront(bool defaultButton) override;

private:
    void show(QMessageBox* box, PendingBox pending);

    BoxBookkeeping bookkeeping_;
};

} // namespace zol::qt
