#include "win32/FormWindow.h"

#include "platform/win32/WideText.h"
#include "win32/Monitors.h"
#include "win32/Pixels.h"
#include "win32/Resources.h"
#include "win32/WindowFrame.h"

namespace zol::win32 {

namespace {

constexpr const wchar_t* kFormClass = L"ZolbasForm";

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

FormWindow::FormWindow(ScreenId screen, const char* caption, Rgb back, bool withIcon)
    : screen_(screen), back_(CreateSolidBrush(colorRef(back))) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClass(instance);
    // Placed and sized again when shown.
    const PixelSize designed = designedSize(screen);
    window_ = CreateWindowExW(kFrameExtendedStyle, kFormClass, wide(caption).c_str(), frameStyle(false), CW_USEDEFAULT,
                              CW_USEDEFAULT, designed.width, designed.height, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(messages));
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
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

RECT FormWindow::toDevice(const play::PixelRect& designed) const {
    return deviceRect(scale_.toSurface(designed), dpi_);
}

RECT FormWindow::stage() const {
    const PixelSize designed = designedSize(screen_);
    return toDevice(play::PixelRect{0, 0, designed.width, designed.height});
}

void FormWindow::showIn(const DisplayMode& mode, HMONITOR monitor) {
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    place(mode, monitor, nullptr);
    if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOW);
}

void FormWindow::place(const DisplayMode& mode, HMONITOR monitor, const POINT* topLeft) {
    mode_ = mode;
    const int dpi = dpi_;
    const MONITORINFO info = monitorInfo(monitor);
    const RECT room = mode.fullScreen ? info.rcMonitor : info.rcWork;
    const ScreenScale scale = screenScale(mode, screen_, layoutSize(room, dpi));
    if (scale != scale_ || dpi != laidOutDpi_) {
        scale_ = scale;
        laidOutDpi_ = dpi;
        rescaled();
        InvalidateRect(window_, nullptr, TRUE);
    }
    SetWindowLongPtrW(window_, GWL_STYLE,
                      frameStyle(mode.fullScreen) | (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE));
    const RECT outer = frameRect(mode.fullScreen, room, stage(), dpi, topLeft);
    SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FormWindow::paintBorder(HDC target) const {
    RECT client;
    GetClientRect(window_, &client);
    const RECT screen = stage();
    if (EqualRect(&client, &screen)) return;
    const int saved = SaveDC(target);
    ExcludeClipRect(target, screen.left, screen.top, screen.right, screen.bottom);
    FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RestoreDC(target, saved);
}

LRESULT FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        const auto target = reinterpret_cast<HDC>(wParam);
        paintBorder(target);
        const RECT screen = stage();
        FillRect(target, &screen, back_);
        return 1;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(back_);
    case WM_ACTIVATEAPP:
        if (appActivation_) appActivation_(wParam != FALSE);
        break;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT topLeft{suggested->left, suggested->top};
        place(mode_, MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST), &topLeft);
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
