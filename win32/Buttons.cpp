#include "win32/Buttons.h"

#include "platform/win32/WideText.h"

namespace zol::win32 {

HWND makeButton(HWND parent, int id, const char* caption) {
    return CreateWindowExW(0, L"BUTTON", wide(caption).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void placeButton(HWND button, const RECT& where, HFONT font) {
    SetWindowPos(button, nullptr, where.left, where.top, where.right - where.left, where.bottom - where.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool dialogKey(HWND window, MSG& message) {
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        const HWND focus = GetFocus();
        wchar_t kind[16] = {};
        if (focus && IsChild(window, focus) && GetClassNameW(focus, kind, 16) && lstrcmpiW(kind, L"BUTTON") == 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
            return true;
        }
    }
    return IsDialogMessageW(window, &message);
}

} // namespace zol::win32
