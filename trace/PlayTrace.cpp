#include "trace/PlayTrace.h"

#include "trace/JsonLine.h"

#include <span>

namespace zol::play {

// The keys of these events are fixed by the trace format; the comments say
// which control or variable of the game each one carries.

std::string tickEvent(std::int64_t t, const GameState& s, const PlayControls& c, const BestScores& best, const HeldKeys& keys,
                      const std::array<bool, 3>& timers) {
    std::array<float, 7> left{};
    std::array<std::int32_t, 6> pic{};
    left[0] = c.meteor.box.left;
    for (int i = 1; i <= 6; ++i) left[i] = c.walker(i).box.left;
    for (int i = 1; i <= 6; ++i) pic[i - 1] = c.walker(i).picture;
    // Held as 1, not held as 0.
    const std::array<std::int16_t, 3> keyState{keys.left, keys.right, keys.down};
    return JsonLine("tick", t)
        .field("lastTick", s.lastTick)
        .field("meteorsLeft", s.meteorsLeft)
        .field("meteorY", s.meteorY)
        .field("meteorDX", s.meteorDX)
        .field("score", s.score)
        .field("level", s.level)
        .field("walkSpeed", s.walkSpeed)
        .field("bannerStep", s.bannerStep)
        .field("combo", s.combo)
        .field("posX", std::span<const std::int32_t>(s.posX))
        .field("walkDir", std::span<const std::int32_t>(s.walkDir))
        .field("walkFrame", std::span<const std::int32_t>(s.walkFrame))
        .field("hiScore", best.hiScore)
        .field("maxCombo", best.maxCombo)
        .field("keyState", std::span<const std::int16_t>(keyState))  // held Left, Right, Down
        .field("left", std::span<const float>(left))  // the meteorite's then the walkers' left edges
        .field("top0", c.meteor.box.top)  // the meteorite's top
        .field("pic", std::span<const std::int32_t>(pic))  // each walker's picture frame
        .field("meteorVisible", c.meteor.visible)
        .field("label1", c.statusLine.caption)  // the status line
        .field("label3", c.bestScoreLabel.caption)  // the best score
        .field("label4", c.bestComboLabel.caption)  // the best combo
        .field("con", c.comboBanner.caption)  // the combo banner's caption
        .field("conLeft", c.comboBanner.box.left)  // the combo banner's left edge
        .field("timers", {timers[0], timers[1], timers[2]})  // tick, banner, game-over timers running
        .str();
}

std::string bannerEvent(std::int64_t t, const GameState& s, const PlayControls& c, bool bannerTimer) {
    return JsonLine("banner", t)
        .field("bannerStep", s.bannerStep)
        .field("conLeft", c.comboBanner.box.left)
        .field("combo", s.combo)
        .field("timer2", bannerTimer)  // the banner timer still running
        .str();
}

std::string gameOverEvent(std::int64_t t, float x0, int lines, int circles) {
    return JsonLine("gameover", t).field("x0", x0).field("lines", lines).field("circles", circles).str();
}

} // namespace zol::play
