#include "play/Walkers.h"

#include "runtime/Int32.h"
#include "platform/RuntimeError.h"
#include "play/PlayRules.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace zol::play {

namespace {

std::int32_t stepTw(std::int32_t walkSpeed) {
    return i32::add(i32::mul(walkSpeed, kWalkStepPerSpeed), kWalkStepBaseTw);
}

} // namespace

void respawnWalker(GameState& s, int i, Rnd& rnd) {
    const float r1 = rnd.next();
    const float r2 = rnd.next();
    const float r3 = rnd.next();
    s.posX[i] = static_cast<std::int32_t>(std::trunc(static_cast<double>(r1) * (kFormWidthTw - kRespawnMarginTw)));
    s.walkDir[i] = static_cast<std::int32_t>(std::trunc(static_cast<double>(r2) * 2));
    s.walkFrame[i] = static_cast<std::int32_t>(std::trunc(static_cast<double>(r3) * 2));
}

int walkerPicture(const GameState& s, int i) {
    const std::int32_t frame = s.walkFrame[i];
    const std::int32_t index =
        frame < kCrushedFrame ? i32::add(i32::mul(2, s.walkDir[i]), frame) : frame / kCrushFramesPerPicture;
    // The store holds seven pictures; any other index is the runtime's error.
    if (index < 0 || index > 6) {
        throw RuntimeError("Run-time error '340': Control array element '" + std::to_string(index) +
                           "' doesn't exist");
    }
    return index;
}

void updateWalker(GameState& s, PlayControls& c, int i, Rnd& rnd) {
    Image& image = c.walker(i);
    const std::int32_t step = stepTw(s.walkSpeed);
    s.posX[i] = s.walkDir[i] != 0 ? i32::add(s.posX[i], step) : i32::sub(s.posX[i], step);

    if (s.walkFrame[i] >= kCrushedFrame) {
        s.walkFrame[i] = i32::add(s.walkFrame[i], kCrushFrameStep);
    } else {
        const std::int32_t d = i32::sub(s.walkFrame[i], 1);
        s.walkFrame[i] = d < 0 ? i32::neg(d) : d;
    }

    // The left edge rule looks at where the image stood before this step.
    const bool leftTheArea = static_cast<double>(image.box.left) + 2.0 * image.box.width <= 0 ||
                             static_cast<double>(s.posX[i]) >= kFormWidthTw;
    if (leftTheArea) respawnWalker(s, i, rnd);
    if (s.walkFrame[i] >= kCrushEndFrame) respawnWalker(s, i, rnd);

    image.move(static_cast<float>(s.posX[i]));
    image.picture = walkerPicture(s, i);
}

} // namespace zol::play
