#include "play/Scoring.h"

#include "platform/Int32.h"

namespace zol::play {

namespace {

constexpr std::int32_t kCrushPoints = 100;
constexpr std::int32_t kCrushPointsPerLevel = 10;
constexpr std::int32_t kComboPoints = 50;
constexpr std::int32_t kWalkSpeedCap = 50;
constexpr std::int32_t kCrushStartFrame = 40;
constexpr std::int32_t kCrushedFrame = 4;

} // namespace

bool crushes(const GameState& s, const PlayControls& c, int i) {
    const Box& meteor = c.image1[0].box;
    const Box& walker = c.image1[i].box;
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

void keepBestScore(const GameState& s, Module1& m) {
    if (s.score > m.hiScore) m.hiScore = s.score;
}

void keepBestCombo(const GameState& s, Module1& m) {
    if (s.combo >= m.maxCombo) m.maxCombo = s.combo;
}

bool levelUp(GameState& s) {
    if (s.score < i32::mul(s.level, kLevelPoints)) return false;
    s.level = i32::add(s.level, 1);
    s.walkSpeed = i32::add(s.walkSpeed, 1);
    if (s.walkSpeed > kWalkSpeedCap) s.walkSpeed = kWalkSpeedCap;
    return true;
}

} // namespace zol::play
