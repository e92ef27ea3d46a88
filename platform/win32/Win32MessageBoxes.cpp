#include "platform/win32/Win32MessageBoxes.h"

#include "platform/win32/WideText.h"

namespace zol::win32 {

namespace {

UINT styleOf(const BoxRequest& box) {
    UINT style = MB_TASKMODAL | MB_SETFOREGROUND;
    style |= box.buttons == BoxButtons::OkCancel ? MB_OKCANCEL : MB_OK;
    if (box.icon == BoxIcon::Exclamation) style |= MB_ICONEXCLAMATION;
    return style;
}

} // namespace

Win32MessageBoxes::Win32MessageBoxes(TimerHold& hold, HandlerGuard& guard, BoxRecord& record, const Clock& clock)
    : bookkeeping_(hold, guard, record, clock), mailbox_([this] { showNext(); }) {}

bool Win32MessageBoxes::isOpen() const { return bookkeeping_.anyOpen(); }

void Win32MessageBoxes::open(const BoxRequest& box, std::function<void(int)> answered) {
    pending_.push_back(bookkeeping_.request(box, std::move(answered)));
    mailbox_.post();
}

void Win32MessageBoxes::warn(const std::string& text, std::function<void()> then) {
    pending_.push_back(bookkeeping_.warning(text, std::move(then)));
    mailbox_.post();
}

// The box in front is the thread's active window while MessageBoxW runs;
// a command from its button closes it as a click would.
void Win32MessageBoxes::answerFront(bool defaultButton) {
    if (!isOpen()) return;
    if (HWND box = GetActiveWindow()) PostMessageW(box, WM_COMMAND, defaultButton ? IDOK : IDCANCEL, 0);
}

// The box is modal: this returns when the player has answered.
void Win32MessageBoxes::showNext() {
    if (pending_.empty()) return;
    PendingBox next = std::move(pending_.front());
    pending_.pop_front();
    const HWND before = GetActiveWindow();
    const int chosen =
        MessageBoxW(nullptr, wide(next.box.text).c_str(), wide(next.box.caption).c_str(), styleOf(next.box));
    // The window that had the keyboard gets it back, as an owner would: a
    // box of no owner leaves the choice to the system, which may pick none.
    if (before && IsWindowVisible(before)) SetForegroundWindow(before);
    bookkeeping_.answer(std::move(next), chosen == IDOK);
}

} // namespace zol::win32
