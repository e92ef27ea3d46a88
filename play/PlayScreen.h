#pragma once

#include "platform/Timer.h"
#include "play/GameState.h"
#include "play/PlayControls.h"
#include "play/PlayTick.h"

#include <cstdint>
#include <memory>

namespace zol {

class Forms;
class ScoreStore;
struct Module1;
struct Platform;

// The play screen, Form2: the game itself. Its variables outlive the
// screen's unloads; its controls, timers and players come and go with it.
class PlayScreen : private play::TickEffects {
public:
    PlayScreen(Platform& platform, Module1& module, ScoreStore& store, Forms& forms);
    ~PlayScreen() override;

    // Creates the controls as designed, the timers and the players, then
    // runs Form_Load; and the reverse.
    void load();
    void unload();
    bool loaded() const { return form_ != nullptr; }

    void Form_Load();
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyUp(int keyCode, int shift);
    void Form_Unload();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // The screen lost the keyboard: a box opened or another window became
    // active. No key stays held.
    void keyboardLost();

    const play::GameState& state() const { return state_; }
    const play::PlayControls& controls() const;
    bool timerEnabled(int number) const;
    std::uint64_t processedTicks() const { return processedTicks_; }

private:
    struct Form;

    void kutya() override;
    void lvup() override;
    void startBannerTimer() override;
    void musicCheck() override;
    void gameOver() override;

    void askPlayAgain();

    Platform& platform_;
    Module1& module_;
    ScoreStore& store_;
    Forms& forms_;
    play::GameState state_;
    std::unique_ptr<Form> form_;
    std::uint64_t processedTicks_ = 0;
};

} // namespace zol
