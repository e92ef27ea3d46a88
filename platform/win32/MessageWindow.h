#pragma once

#include "platform/win32/SystemHeaders.h"

#include <functional>

namespace zol::win32 {

// A message-only window for a part of the program that is no window: it
// receives posted messages, timers and device notifications from whichever
// message loop runs next, a message box's own included (which would drop a
// thread message, and dispatches a window's).
class MessageWindow {
public:
    // `handle` hears each message; false leaves it to the system.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit MessageWindow(Handler handle);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND hwnd() const { return window_; }

private:
    static LRESULT CALLBACK messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handle_;
    HWND window_ = nullptr;
};

} // namespace zol::win32
