#include "win32/HelpWindow.h"

#include "assets/HelpDocument.h"
#include "shell/FrontEnd.h"
#include "shell/HelpLayout.h"
#include "win32/Buttons.h"
#include "win32/Pixels.h"

#include <richedit.h>

#include <string_view>

namespace zol::win32 {

using namespace help;

namespace {

constexpr int kBackId = 0;
// RichEdit 4.1 and later, which every Windows since XP SP1 has.
constexpr const wchar_t* kRichEditLibrary = L"Msftedit.dll";
constexpr const wchar_t* kRichEditClass = L"RICHEDIT50W";

// Hands the RTF to the control a piece at a time.
DWORD CALLBACK readRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* rest = reinterpret_cast<std::string_view*>(cookie);
    const auto n = std::min<std::size_t>(rest->size(), static_cast<std::size_t>(wanted));
    rest->copy(reinterpret_cast<char*>(buffer), n);
    rest->remove_prefix(n);
    *given = static_cast<LONG>(n);
    return 0;
}

HWND makeDocument(HWND parent) {
    static const HMODULE library = LoadLibraryW(kRichEditLibrary);
    (void)library;
    const HWND document = CreateWindowExW(
        WS_EX_CLIENTEDGE, kRichEditClass, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
        parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::string_view rtf = helpDocumentRtf();
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, readRtf};
    SendMessageW(document, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return document;
}

} // namespace

HelpWindow::HelpWindow(FrontEnd& game)
    : FormWindow(kCaption, kClientWidthTw, kClientHeightTw, kBackColor, false), game_(game) {
    back_ = makeButton(hwnd(), kBackId, kBackButtonCaption);
    document_ = makeDocument(hwnd());
    rescaled();
    SetFocus(back_);
}

void HelpWindow::rescaled() {
    placeButton(back_, deviceRect(kBackButton, dpi()), fonts_.font(kBackButtonFont, dpi()));
    const RECT box = deviceRect(kDocumentBox, dpi());
    SetWindowPos(document_, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void HelpWindow::paint() {
    PAINTSTRUCT ps;
    const HDC target = BeginPaint(hwnd(), &ps);
    sprites_.drawTitleIcon(target, deviceRect(kIconBox, dpi()));
    EndPaint(hwnd(), &ps);
}

LRESULT HelpWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kBackId) {
            game_.buttonChosen(Button::Back);
            return 0;
        }
        break;
    case WM_SETFOCUS: SetFocus(back_); return 0;
    case WM_CLOSE: game_.closePressed(ScreenId::Help); return 0;
    }
    return FormWindow::onMessage(message, wParam, lParam);
}

} // namespace zol::win32
