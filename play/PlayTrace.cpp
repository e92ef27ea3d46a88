#include "play/PlayTrace.h"

#include "platform/JsonLine.h"

namespace zol::play {

std::string tickEvent(std::int64_t t, const GameState& s, const PlayControls& c, const Module1& m,
                      const std::array<bool, 3>& timers) {
    std::array<float, 7> left{};
    std::array<std::int32_t, 6> pic{};
    for (int i = 0; i < 7; ++i) left[i] = c.image1[i].box.left;
    for (int i = 0; i < 6; ++i) pic[i] = c.image1[i + 1].picture;
    const std::array<std::int16_t, 3> keys{m.keyState[0], m.keyState[1], m.keyState[2]};
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
        .field("hiScore", m.hiScore)
        .field("maxCombo", m.maxCombo)
        .field("keyState", std::span<const std::int16_t>(keys))
        .field("left", std::span<const float>(left))
        .field("top0", c.image1[0].box.top)
        .field("pic", std::span<const std::int32_t>(pic))
        .field("meteorVisible", c.image1[0].visible)
        .field("label1", c.label1.caption)
        .field("label3", c.label3.caption)
        .field("label4", c.label4.caption)
        .field("con", c.con.caption)
        .field("conLeft", c.con.box.left)
        .field("timers", {timers[0], timers[1], timers[2]})
        .str();
}

std::string bannerEvent(std::int64_t t, const GameState& s, const PlayControls& c, bool timer2) {
    return JsonLine("banner", t)
        .field("bannerStep", s.bannerStep)
        .field("conLeft", c.con.box.left)
        .field("combo", s.combo)
        .field("timer2", timer2)
        .str();
}

std::string gameOverEvent(std::int64_t t, float x0, int lines, int circles) {
    return JsonLine("gameover", t).field("x0", x0).field("lines", lines).field("circles", circles).str();
}

} // namespace zol::play
