#include "play/PlayTick.h"

#include "platform/Int32.h"
#include "play/Banner.h"
#include "play/Captions.h"
#include "play/MeteorMotion.h"
#include "play/Scoring.h"
#include "play/Walkers.h"

namespace zol::play {

void runTick(GameState& s, PlayControls& c, Module1& m, Rnd& rnd, TickEffects& effects) {
    // The Down push and the fall use the same factor: the level does not
    // change before the level-up step.
    const std::int32_t factor = speedFactor(s.level);
    steer(s, m.keyState, factor);
    keepBestScore(s, m);
    writeCaptions(c, s, m);

    bool hitThisTick = false;
    std::int32_t hitCount = 0;
    for (int i = 1; i <= 6; ++i) {
        updateWalker(s, c, i, rnd);
        if (crushes(s, c, i)) {
            hitThisTick = true;
            crush(s, i);
            hitCount = i32::add(hitCount, 1);
            effects.kutya();
        }
    }

    if (hitCount > 0) {
        startFlight(s, c, hitCount);
        effects.startBannerTimer();
        addComboBonus(s);
    }
    keepBestCombo(s, m);
    if (hitThisTick) restartMeteor(s);
    fall(s, c, factor);
    if (levelUp(s)) effects.lvup();
    effects.musicCheck();
    if (s.meteorsLeft < 0) effects.gameOver();
}

} // namespace zol::play
