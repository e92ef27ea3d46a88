#include "play/Banner.h"

#include "runtime/Int32.h"
#include "runtime/NumberText.h"

#include <string>

namespace zol::play {

namespace {

constexpr float kRestLeftTw = -2700;
constexpr std::int32_t kStartStepTw = 900;
constexpr std::int32_t kStepSlowdownTw = 100;

} // namespace

void startFlight(GameState& s, PlayControls& c, std::int32_t hitCount) {
    s.combo = i32::add(s.combo, hitCount);
    c.comboBanner.caption = numberText(s.combo) + "HIT!";
    s.bannerStep = kStartStepTw;
    c.comboBanner.box.left = kRestLeftTw;
}

bool flyBanner(GameState& s, PlayControls& c) {
    s.bannerStep = i32::sub(s.bannerStep, kStepSlowdownTw);
    // The sum is formed in double precision and stored back as the label's
    // single-precision position; the test reads the stored position.
    c.comboBanner.box.left = static_cast<float>(static_cast<double>(c.comboBanner.box.left) + s.bannerStep);
    if (c.comboBanner.box.left < kRestLeftTw) {
        c.comboBanner.box.left = kRestLeftTw;
        s.combo = 0;
        return false;
    }
    return true;
}

} // namespace zol::play
