#pragma once

#include "win32/Fonts.h"
#include "win32/FormWindow.h"
#include "win32/Sprites.h"

namespace zol {
class FrontEnd;
}

namespace zol::win32 {

// The help screen's window: the help document in the system's RichEdit
// control, read from the same RTF the game carries, scrollable from its
// first line to its last; the icon; and the button that closes it.
class HelpWindow : public FormWindow {
public:
    explicit HelpWindow(FrontEnd& game);

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void rescaled() override;

private:
    void paint();

    FrontEnd& game_;
    Fonts fonts_;
    Sprites sprites_;
    HWND back_ = nullptr;
    HWND document_ = nullptr;
};

} // namespace zol::win32
