#include "play/MeteorMotion.h"

#include "runtime/Int32.h"
#include "runtime/Rounding.h"
#include "play/PlayRules.h"

#include <array>

namespace zol::play {

namespace {

constexpr std::int32_t kLeftWallPosTw = 1;
constexpr std::int32_t kRightWallMarginTw = 1;

// A wall reverses the sideways speed and halves it, to the nearest whole
// twip with a half going to the even neighbour.
std::int32_t bounced(std::int32_t dx) { return roundToInt32(static_cast<double>(i32::neg(dx)) / 2.0); }

} // namespace

std::int32_t speedFactor(std::int32_t level) { return level >= kSpeedFactorCap ? kSpeedFactorCap : level; }

void steer(GameState& s, const HeldKeys& keys, std::int32_t factor) {
    if (keys.left) s.meteorDX = i32::sub(s.meteorDX, kSteerStepTw);
    if (keys.right) s.meteorDX = i32::add(s.meteorDX, kSteerStepTw);
    if (keys.down) {
        s.meteorY = i32::add(i32::add(s.meteorY, i32::mul(kDownPushPerFactor, factor)), kDownPushBase);
        s.score = i32::add(s.score, kDownPoints);
    }
}

void restartMeteor(GameState& s) {
    s.meteorY = kRestartHeightTw;
    s.meteorDX = 0;
}

void fall(GameState& s, PlayControls& c, std::int32_t factor) {
    Image& meteor = c.meteor;
    s.posX[0] = i32::add(s.posX[0], s.meteorDX);
    s.meteorY = i32::add(s.meteorY, i32::add(kFallBaseTw, i32::mul(kFallPerFactor, factor)));
    meteor.move(static_cast<float>(s.posX[0]), static_cast<float>(s.meteorY));

    // Both wall tests look at where the move put the image.
    if (meteor.box.left < 0) {
        s.meteorDX = bounced(s.meteorDX);
        s.posX[0] = kLeftWallPosTw;
    }
    if (static_cast<double>(meteor.box.left) + meteor.box.width > kFormWidthTw) {
        s.meteorDX = bounced(s.meteorDX);
        s.posX[0] = roundToInt32(static_cast<double>(kFormWidthTw) - meteor.box.width - kRightWallMarginTw);
    }

    const double groundLine = static_cast<double>(c.groundBand.box.top) + c.groundBand.box.height / 2.0;
    if (groundLine < static_cast<double>(s.meteorY) + meteor.box.height) {
        s.meteorsLeft = i32::sub(s.meteorsLeft, 1);
        restartMeteor(s);
    }
    meteor.move(static_cast<float>(s.posX[0]), static_cast<float>(s.meteorY));
}

} // namespace zol::play
