#pragma once

#include "shell/FrontEnd.h"

namespace zol::web {

// The game's windows as the page shows them: each request goes to the
// page (web/page/screens.js), which builds the screen from the layout the
// module exports and paints the play screen from its scene.
class PageWindows : public FrontEndWindows {
public:
    void open(ScreenId screen) override;
    void close(ScreenId screen) override;
    void raise(ScreenId screen) override;
    void repaintPlay(const std::vector<play::PixelRect>& damage) override;
    void startExplosion() override;
    void quit() override;
    void displayChanged() override;
    void moveFocus(int step) override;
    void pressFocused() override;
};

} // namespace zol::web
