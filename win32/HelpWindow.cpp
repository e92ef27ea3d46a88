#include "win32/HelpWindow.h"

#include "assets/HelpDocument.h"
#include "shell/FrontEnd.h"
#include "shell/HelpLayout.h"
#include "win32/Buttons.h"

#include <richedit.h>

#include <cmath>
#include <string_view>

namespace zol::win32 {

using namespace help;

namespace {

constexpr int kBackId = 0;
constexpr int kTwipsPerPoint = 20;
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
    : FormWindow(ScreenId::Help, kCaption, kBackColor, false), game_(game) {
    back_ = makeButton(hwnd(), kBackId, kBackButtonCaption);
    document_ = makeDocument(hwnd());
}

void HelpWindow::rescaled() {
    placeButton(back_, toDevice(kBackButton), fonts_.font(kBackButtonFont, drawingDpi()));
    const RECT box = toDevice(kDocumentBox);
    SetWindowPos(document_, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The document's one font grows with the screen. (A zoom would too on
    // Windows, but Wine's RichEdit then leaves the characters' advances as
    // they were.)
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    format.yHeight = static_cast<LONG>(std::lround(kDocumentFont.points * kTwipsPerPoint * factor()));
    SendMessageW(document_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void HelpWindow::paint() {
    PAINTSTRUCT ps;
    const HDC target = BeginPaint(hwnd(), &ps);
    sprites_.drawTitleIcon(target, toDevice(kIconBox));
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
