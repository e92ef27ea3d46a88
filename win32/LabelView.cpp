#include "win32/LabelView.h"

#include "platform/win32/WideText.h"
#include "win32/Fonts.h"
#include "win32/Pixels.h"

#include <string>

namespace zol::win32 {

void paintLabel(HDC target, const play::SceneItem& label, const RECT& where, Fonts& fonts, int dpi) {
    const play::LabelLook& look = *label.look;
    if (look.back) {
        const HBRUSH back = CreateSolidBrush(colorRef(*look.back));
        FillRect(target, &where, back);
        DeleteObject(back);
    }
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, look.text ? colorRef(*look.text) : GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ before = SelectObject(target, fonts.font(look.font, dpi));
    std::wstring caption = wide(std::string(label.caption));
    RECT box = where;
    DrawTextW(target, caption.data(), static_cast<int>(caption.size()), &box,
              DT_WORDBREAK | DT_NOPREFIX | DT_TOP | (look.align == play::Align::Centre ? DT_CENTER : DT_LEFT));
    SelectObject(target, before);
}

} // namespace zol::win32
