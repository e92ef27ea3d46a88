#pragma once

namespace zol {

class Forms;

// The help screen, Form3: the help document and a button that closes it.
// It lives on its own, beside the title screen or a game.
class HelpScreen {
public:
    explicit HelpScreen(Forms& forms) : forms_(forms) {}

    // "戻ります": closes only this screen.
    void Command1_Click();

private:
    Forms& forms_;
};

} // namespace zol
