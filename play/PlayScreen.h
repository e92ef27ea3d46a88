#pragma once

#include "platform/Timer.h"
#include "play/GameState.h"
#include "play/HeldKeys.h"
#include "play/Key.h"
#include "play/PlayControls.h"
#include "play/PlayTick.h"

#include <cstdint>
#include <memory>

namespace zol {

class Screens;
class ScoreStore;
struct BestScores;
struct Platform;

// The play screen: the game itself. Its variables outlive the screen's
// unloads; its controls, timers and players come and go with it.
class PlayScreen : private play::TickEffects {
public:
    PlayScreen(Platform& platform, BestScores& best, ScoreStore& store, Screens& screens);
    ~PlayScreen() override;

    // Creates the controls as designed, the timers and the players, then
    // loads the best values and starts a game; and the reverse.
    void load();
    void unload();
    bool loaded() const { return screen_ != nullptr; }

    void keyDown(play::Key key);
    void keyUp(play::Key key);
    // The screen lost the keyboard: a box opened or another window became
    // active. No key stays held.
    void keyboardLost();

    // Every millisecond: a tick once the gate lets one through.
    void onTickTimer();
    // Every 50 ms while the combo banner flies: one step of its flight.
    void onBannerTimer();
    // 50 ms after the game ended: the explosion, the save and the question.
    void onGameOverTimer();

    const play::GameState& state() const { return state_; }
    const play::HeldKeys& heldKeys() const { return keys_; }
    const play::PlayControls& controls() const;
    bool tickTimerEnabled() const;
    bool bannerTimerEnabled() const;
    bool gameOverTimerEnabled() const;
    std::uint64_t processedTicks() const { return processedTicks_; }

private:
    struct LoadedScreen;

    void playCrushCue() override;
    void playLevelUpCue() override;
    void startBannerTimer() override;
    void keepTunePlaying() override;
    void gameOver() override;

    void askPlayAgain();

    Platform& platform_;
    BestScores& best_;
    ScoreStore& store_;
    Screens& screens_;
    play::GameState state_;
    play::HeldKeys keys_;
    // One sequence for the whole run of the program, from its first game.
    Rnd rnd_;
    std::unique_ptr<LoadedScreen> screen_;
    std::uint64_t processedTicks_ = 0;
};

} // namespace zol
