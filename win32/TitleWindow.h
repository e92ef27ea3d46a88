#pragma once

#include "win32/Fonts.h"
#include "win32/FormWindow.h"

namespace zol {
class FrontEnd;
}

namespace zol::win32 {

// The title screen's window: the title, the credit line and three buttons,
// Play holding the focus; Tab moves between them, Enter or Space presses
// the one that has it.
class TitleWindow : public FormWindow {
public:
    explicit TitleWindow(FrontEnd& game);

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void rescaled() override;

private:
    void paint();

    FrontEnd& game_;
    Fonts fonts_;
    HWND buttons_[3] = {};
};

} // namespace zol::win32
