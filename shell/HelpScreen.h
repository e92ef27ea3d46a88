#pragma once

namespace zol {

class Screens;

// The help screen: the help document and a button that closes it.
// It lives on its own, beside the title screen or a game.
class HelpScreen {
public:
    explicit HelpScreen(Screens& forms) : screens_(forms) {}

    // "戻ります": closes only this screen.
    void back();

private:
    Screens& screens_;
};

} // namespace zol
