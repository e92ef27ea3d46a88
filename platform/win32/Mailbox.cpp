#include "platform/win32/Mailbox.h"

namespace zol::win32 {

namespace {

constexpr UINT kDeliverMessage = WM_APP + 1;
constexpr const wchar_t* kMailboxClass = L"ZolbasMailbox";

} // namespace

Mailbox::Mailbox(std::function<void()> deliver) : deliver_(std::move(deliver)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = messages;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMailboxClass;
    RegisterClassW(&windowClass);  // fails harmlessly once the class exists
    window_ = CreateWindowExW(0, kMailboxClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Mailbox::~Mailbox() { DestroyWindow(window_); }

void Mailbox::post() { PostMessageW(window_, kDeliverMessage, 0, 0); }

LRESULT CALLBACK Mailbox::messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDeliverMessage) {
        if (auto* self = reinterpret_cast<Mailbox*>(GetWindowLongPtrW(window, GWLP_USERDATA))) self->deliver_();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace zol::win32
