#pragma once

#include "platform/win32/MessageWindow.h"

#include <functional>

namespace zol::win32 {

// Runs `deliver` once the handler that posted has returned: a message-only
// window receives the post, from whichever message loop runs next.
class Mailbox {
public:
    explicit Mailbox(std::function<void()> deliver);

    void post();

private:
    std::function<void()> deliver_;
    MessageWindow window_;
};

} // namespace zol::win32
