#pragma once

#include "platform/win32/SystemHeaders.h"

#include <functional>

namespace zol::win32 {

// Runs `deliver` once the handler that posted has returned: a message-only
// window receives the post, from whichever message loop runs next (a
// message box's own included, which would drop a thread message).
class Mailbox {
public:
    explicit Mailbox(std::function<void()> deliver);
    ~Mailbox();
    Mailbox(const Mailbox&) = delete;
    Mailbox& operator=(const Mailbox&) = delete;

    void post();

private:
    static LRESULT CALLBACK messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void()> deliver_;
    HWND window_ = nullptr;
};

} // namespace zol::win32
