#pragma once

#include "platform/BoxBookkeeping.h"
#include "platform/MessageBoxes.h"

#include "platform/win32/Mailbox.h"

#include <deque>
#include <functional>

namespace zol::win32 {

// The system's message boxes (MessageBoxW), modal to every window of the
// game. A box asked for inside a handler opens once that handler has
// returned, as the box of the forms runtime does, so the handler never
// finds itself called back before it ends. An open box holds the timers.
class Win32MessageBoxes : public MessageBoxes {
public:
    Win32MessageBoxes(TimerHold& hold, HandlerGuard& guard, BoxRecord& record, const Clock& clock);
    Win32MessageBoxes(const Win32MessageBoxes&) = delete;
    Win32MessageBoxes& operator=(const Win32MessageBoxes&) = delete;

    void open(const BoxRequest& box, std::function<void(int)> answered) override;
    bool isOpen() const override;
    void warn(const std::string& text, std::function<void()> then) override;
    void answerFront(bool defaultButton) override;

private:
    void showNext();

    BoxBookkeeping bookkeeping_;
    Mailbox mailbox_;
    std::deque<PendingBox> pending_;
};

} // namespace zol::win32
