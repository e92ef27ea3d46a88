#include "play/Scoring.h"

#include "runtime/Int32.h"
#include "play/PlayRules.h"

#include <array>

namespace zol::play {

bool crushes(const GameState& s, const PlayControls& c, int i) {
    const Box& meteor = c.meteor.box;
    const Box& walker = c.walker(i).box;
    const double meteorMiddleY = static_cast<double>(s.meteorY) + meteor.height / 2.0;
    const double walkerMiddleX = static_cast<double>(s.posX[i]) + walker.width / 2.0;
    return walker.top <= meteorMiddleY && meteorMiddleY <= static_cast<double>(walker.top) + walker.height &&
           s.posX[0] <= walkerMiddleX && walkerMiddleX <= static_cast<double>(s.posX[0]) + meteor.width &&
           s.walkFrame[i] < kCrushedFrame;
}

void crush(GameState& s, int i) {
    s.score = i32::add(s.score, i32::add(kCrushPoints, i32::mul(i32::sub(s.level, 1), kCrushPointsPerLevel)));
    s.walkFrame[i] = kCrushStartFrame;
}

void addComboBonus(GameState& s) {
    s.score = i32::add(s.score, i32::mul(s.combo, kComboPoints));
}

void keepBestScore(const GameState& s, BestScores& best) {
    if (s.score > best.hiScore) best.hiScore = s.score;
}

void keepBestCombo(const GameState& s, BestScores& best) {
    if (s.combo >= best.maxCombo) best.maxCombo = s.combo;
}

bool levelUp(GameState& s) {
    if (s.score < i32::mul(s.level, kLevelPoints)) return false;
    s.level = i32::add(s.level, 1);
    s.walkSpeed = i32::add(s.walkSpeed, 1);
    if (s.walkSpeed > kWalkSpeedCap) s.walkSpeed = kWalkSpeedCap;
    return true;
}

} // namespace zol::play
