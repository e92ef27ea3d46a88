#include "platform/win32/MessageWindow.h"

namespace zol::win32 {

namespace {

constexpr const wchar_t* kMessageWindowClass = L"ZolbasMessages";

} // namespace

MessageWindow::MessageWindow(Handler handle) : handle_(std::move(handle)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = messages;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMessageWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly once the class exists
    window_ = CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageWindow::~MessageWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK MessageWindow::messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->handle_(message, wParam, lParam)) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace zol::win32
