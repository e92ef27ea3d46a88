#include "platform/win32/Win32MessageBoxes.h"

#include "platform/Clock.h"
#include "platform/TimerHold.h"
#include "platform/win32/WideText.h"
#include "shell/HandlerGuard.h"
#include "trace/BoxEvents.h"
#include "trace/Trace.h"

namespace zol::win32 {

namespace {

constexpr const char* kWarningCaption = "ゾルバス";

UINT styleOf(const MessageBox& box) {
    UINT style = MB_TASKMODAL | MB_SETFOREGROUND;
    style |= box.buttons == BoxButtons::OkCancel ? MB_OKCANCEL : MB_OK;
    if (box.icon == BoxIcon::Exclamation) style |= MB_ICONEXCLAMATION;
    return style;
}

} // namespace

Win32MessageBoxes::Win32MessageBoxes(TimerHold& hold, HandlerGuard& guard, Trace& trace, const Clock& clock)
    : hold_(hold), guard_(guard), trace_(trace), clock_(clock), mailbox_([this] { showNext(); }) {}

bool Win32MessageBoxes::isOpen() const { return hold_.boxOpen(); }

void Win32MessageBoxes::open(const MessageBox& box, std::function<void(int)> answered) {
    hold_.boxOpened();
    if (trace_.enabled()) trace_.write(msgboxEvent(clock_.nowMs(), box));
    pending_.push_back({box, std::move(answered), true});
    mailbox_.post();
}

void Win32MessageBoxes::warn(const std::string& text, std::function<void()> then) {
    hold_.boxOpened();
    MessageBox box{text, kWarningCaption, BoxButtons::Ok, BoxIcon::Exclamation};
    pending_.push_back({box, [then = std::move(then)](int) { then(); }, false});
    mailbox_.post();
}

// The box is modal: this returns when the player has answered.
void Win32MessageBoxes::showNext() {
    if (pending_.empty()) return;
    Pending next = std::move(pending_.front());
    pending_.pop_front();
    const int chosen =
        MessageBoxW(nullptr, wide(next.box.text).c_str(), wide(next.box.caption).c_str(), styleOf(next.box));
    const int answer = boxAnswer(next.box.buttons, chosen == IDOK);
    if (next.traced && trace_.enabled()) trace_.write(answerEvent(clock_.nowMs(), answer));
    guard_.run([&] { next.answered(answer); });
    hold_.boxClosed();
}

} // namespace zol::win32
