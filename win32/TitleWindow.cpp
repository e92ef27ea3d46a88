#include "win32/TitleWindow.h"

#include "platform/win32/WideText.h"
#include "shell/FrontEnd.h"
#include "shell/TitleLayout.h"
#include "win32/Buttons.h"
#include "win32/Pixels.h"

namespace zol::win32 {

using namespace title;

namespace {

constexpr const TitleButton* kButtons[3] = {&kPlayButton, &kHelpButton, &kEndButton};
constexpr Button kChoices[3] = {Button::Play, Button::Help, Button::End};

} // namespace

TitleWindow::TitleWindow(FrontEnd& game)
    : FormWindow(ScreenId::Title, kCaption, kBackColor, true), game_(game) {
    for (int i = 0; i < 3; ++i) buttons_[i] = makeButton(hwnd(), i, kButtons[i]->caption);
}

void TitleWindow::rescaled() {
    for (int i = 0; i < 3; ++i)
        placeButton(buttons_[i], toDevice(kButtons[i]->box),
                    fonts_.font(kButtons[i]->font, drawingDpi(), kButtons[i]->underline));
}

void TitleWindow::paint() {
    PAINTSTRUCT ps;
    const HDC target = BeginPaint(hwnd(), &ps);
    SetBkMode(target, TRANSPARENT);
    for (const TitleLabel& line : kTitleLines) {
        SetTextColor(target, line.systemTextColour ? GetSysColor(COLOR_BTNTEXT) : colorRef(line.textColour));
        const HGDIOBJ before = SelectObject(target, fonts_.font(line.font, drawingDpi(), line.underline));
        std::wstring caption = wide(line.caption);
        RECT box = toDevice(line.box);
        DrawTextW(target, caption.data(), static_cast<int>(caption.size()), &box,
                  DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(target, before);
    }
    EndPaint(hwnd(), &ps);
}

LRESULT TitleWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) < 3) {
            game_.buttonChosen(kChoices[LOWORD(wParam)]);
            return 0;
        }
        break;
    case WM_SETFOCUS: SetFocus(buttons_[0]); return 0;
    case WM_CLOSE: game_.closePressed(ScreenId::Title); return 0;
    }
    return FormWindow::onMessage(message, wParam, lParam);
}

} // namespace zol::win32
