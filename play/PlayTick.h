#pragma once

#include "runtime/Rnd.h"
#include "play/GameState.h"
#include "play/HeldKeys.h"
#include "play/PlayControls.h"
#include "store/BestScores.h"

namespace zol::play {

// What a tick asks of the screen around it: the sound cues, the banner's
// timer, the music check and the end of the game.
class TickEffects {
public:
    virtual ~TickEffects() = default;
    virtual void playCrushCue() = 0;
    virtual void playLevelUpCue() = 0;
    virtual void startBannerTimer() = 0;
    virtual void keepTunePlaying() = 0;
    virtual void gameOver() = 0;
};

// One processed tick after the gate and the record of its time: steering,
// best score, captions, the six walkers each with its crush test, combo,
// best combo, restart after a crush, fall, level-up, music and game over.
void runTick(GameState& s, PlayControls& c, BestScores& best, const HeldKeys& keys, Rnd& rnd,
             TickEffects& effects);

} // namespace zol::play
