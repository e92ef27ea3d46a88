#pragma once

namespace zol {

class Screens;
class ScoreStore;

// The title screen, the first screen of the program: it loads the best values and
// leads to a game, to the help screen or to the end of the program.
class TitleScreen {
public:
    TitleScreen(ScoreStore& store, Screens& forms) : store_(store), screens_(forms) {}

    void load();
    // "Ｐｌａｙ": the play screen is shown before this one goes, so the
    // program never has no screen in between.
    void play();
    // "Help": the help screen, beside this one.
    void help();
    // "END（ゲーム中のギブアップはEキー）": the program ends at once.
    void quit();

private:
    ScoreStore& store_;
    Screens& screens_;
};

} // namespace zol
