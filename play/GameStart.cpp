#include "play/GameStart.h"

#include "runtime/Rounding.h"
#include "play/PlayRules.h"

#include <array>

namespace zol::play {

void startGame(GameState& s, PlayControls& c) {
    s.level = 1;
    s.meteorsLeft = kMeteorsAtStart;
    s.posX[0] = roundToInt32(static_cast<double>(kFormWidthTw) / 2);
    s.score = 0;
    s.meteorY = 0;
    s.meteorDX = 0;
    s.walkSpeed = 1;
    c.comboBanner.box.left = -kComboBannerBox.width;
    s.bannerStep = 0;
}

void giveUp(GameState& s) { s.meteorsLeft = kMeteorsWhenGivenUp; }

} // namespace zol::play
