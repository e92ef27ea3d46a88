#include "win32/FormWindow.h"

#include "platform/win32/WideText.h"
#include "play/Pixels.h"
#include "win32/Pixels.h"
#include "win32/Resources.h"

namespace zol::win32 {

namespace {

constexpr const wchar_t* kFormClass = L"ZolbasForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Tab moves between the buttons of the window (IsDialogMessage).
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;

void registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kFormClass, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClass;
    RegisterClassExW(&windowClass);
}

} // namespace

FormWindow::FormWindow(const char* caption, float widthTw, float heightTw, Rgb back, bool withIcon)
    : back_(CreateSolidBrush(colorRef(back))), widthTw_(widthTw), heightTw_(heightTw) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClass(instance);
    dpi_ = static_cast<int>(GetDpiForSystem());
    const SIZE size = outerSize();
    window_ = CreateWindowExW(kExtendedStyle, kFormClass, wide(caption).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              size.cx, size.cy, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(messages));
    // The window may have opened on a screen of another density.
    if (const int actual = static_cast<int>(GetDpiForWindow(window_)); actual != dpi_) {
        dpi_ = actual;
        const SIZE scaled = outerSize();
        SetWindowPos(window_, nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (withIcon) {
        const auto icon = [&](int metric) {
            const int side = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi_));
            return reinterpret_cast<LPARAM>(
                LoadImageW(instance, MAKEINTRESOURCEW(ZOLBAS_ICON_RESOURCE), IMAGE_ICON, side, side, 0));
        };
        SendMessageW(window_, WM_SETICON, ICON_BIG, icon(SM_CXICON));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
    }
}

FormWindow::~FormWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    DeleteObject(back_);
}

SIZE FormWindow::outerSize() const {
    RECT r{0, 0, devicePixels(play::toPixels(widthTw_), dpi_), devicePixels(play::toPixels(heightTw_), dpi_)};
    AdjustWindowRectExForDpi(&r, kStyle, FALSE, kExtendedStyle, static_cast<UINT>(dpi_));
    return {r.right - r.left, r.bottom - r.top};
}

void FormWindow::showCentred() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(window_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(window_, HWND_TOP, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

LRESULT FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(window_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, back_);
        return 1;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(back_);
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        rescaled();
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || message == WM_NCDESTROY) {
        if (self) self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}

} // namespace zol::win32
