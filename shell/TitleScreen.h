#pragma once

namespace zol {

class Forms;
class ScoreStore;

// The title screen, Form1, the start-up form: it loads the best values and
// leads to a game, to the help screen or to the end of the program.
class TitleScreen {
public:
    TitleScreen(ScoreStore& store, Forms& forms) : store_(store), forms_(forms) {}

    void Form_Load();
    // "Ｐｌａｙ": the play screen is shown before this one goes, so the
    // program never has no screen in between.
    void Command1_Click();
    // "Help": the help screen, beside this one.
    void Command2_Click();
    // "END（ゲーム中のギブアップはEキー）": the program ends at once.
    void Command3_Click();

private:
    ScoreStore& store_;
    Forms& forms_;
};

} // namespace zol
