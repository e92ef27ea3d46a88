#include "play/PlayTick.h"

#include "runtime/Int32.h"
#include "play/Banner.h"
#include "play/Captions.h"
#include "play/MeteorMotion.h"
#include "play/Scoring.h"
#include "play/Walkers.h"

#include <cstdint>

namespace zol::play {

void runTick(GameState& s, PlayControls& c, BestScores& best, const HeldKeys& keys, Rnd& rnd,
             TickEffects& effects) {
    // The Down push and the fall use the same factor: the level does not
    // change before the level-up step.
    const std::int32_t factor = speedFactor(s.level);
    steer(s, keys, factor);
    keepBestScore(s, best);
    writeCaptions(c, s, best);

    bool hitThisTick = false;
    std::int32_t hitCount = 0;
    for (int i = 1; i <= 6; ++i) {
        updateWalker(s, c, i, rnd);
        if (crushes(s, c, i)) {
            hitThisTick = true;
            crush(s, i);
            hitCount = i32::add(hitCount, 1);
            effects.playCrushCue();
        }
    }

    if (hitCount > 0) {
        startFlight(s, c, hitCount);
        effects.startBannerTimer();
        addComboBonus(s);
    }
    keepBestCombo(s, best);
    if (hitThisTick) restartMeteor(s);
    fall(s, c, factor);
    if (levelUp(s)) effects.playLevelUpCue();
    effects.keepTunePlaying();
    if (s.meteorsLeft < 0) effects.gameOver();
}

} // namespace zol::play
