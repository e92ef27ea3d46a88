#include "tests/soak/TickInvariants.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace zol::test {

namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

std::string statusLine(std::int32_t meteorsLeft, std::int32_t score, std::int32_t level) {
    return "隕石のかず－" + number(std::llabs(meteorsLeft)) + "個  現在の得点－" + number(score) +
           "Pts  ＬＥＶＥＬ－" + number(level);
}

// The level a game has at the best score, for a best score of 0 or more.
std::string bestLine(std::int32_t hiScore) { return "HI-" + number(hiScore) + "LV:" + number(hiScore / 300 + 1); }

} // namespace

void TickInvariants::newGame(const PlayScreen& play) {
    carriedCombo_ = play.state().combo;
    flownThisGame_ = false;
}

void TickInvariants::before(const PlayScreen& play, const BestScores& best) {
    const auto& s = play.state();
    meteorsLeft_ = s.meteorsLeft;
    score_ = s.score;
    level_ = s.level;
    maxCombo_ = best.maxCombo;
    downHeld_ = play.heldKeys().down;
}

std::vector<std::string> TickInvariants::after(const PlayScreen& play, const BestScores& best) {
    std::vector<std::string> broken;
    // The message is made only for a broken rule: this runs a million times.
    const auto check = [&](bool holds, const char* rule, std::int64_t got) {
        if (!holds) broken.push_back(std::string(rule) + ", got " + number(got));
    };
    const auto& s = play.state();
    const auto& c = play.controls();
    const bool flying = play.bannerTimerEnabled();
    if (flying) flownThisGame_ = true;

    check(s.level >= 1, "level at least 1", s.level);
    check(s.walkSpeed == std::min(s.level, 50), "walkSpeed follows the level up to 50", s.walkSpeed);
    for (int i = 1; i <= 6; ++i) {
        const std::int32_t frame = s.walkFrame[i], dir = s.walkDir[i];
        const int pic = c.walker(i).picture;
        check(pic >= 0 && pic <= 6, "a walker's picture 0 to 6", pic);
        check(dir == 0 || dir == 1, "a walker's direction 0 or 1", dir);
        const bool walking = frame == 0 || frame == 1;
        const bool crushed = frame >= 40 && frame <= 68 && frame % 2 == 0;
        check(walking || crushed, "a walker's frame 0, 1 or 40 to 68", frame);
        if (walking) check(pic == 2 * dir + frame, "a walking walker's picture", pic);
        // A walker crushed in this tick still shows the walking frame it had.
        if (frame == 40) check(pic < 4, "a walking picture in the crushing tick", pic);
        if (frame > 40) check(pic == frame / 10, "a crushed walker's picture", pic);
    }
    check(s.meteorY >= 47 && s.meteorY < 5273, "the meteorite above the ground", s.meteorY);
    check(s.posX[0] >= 0 && s.posX[0] <= 8130, "the meteorite between the walls", s.posX[0]);
    check(c.meteor.visible == play.tickTimerEnabled(), "the meteorite shown exactly while the game runs",
          c.meteor.visible);
    check(s.meteorsLeft >= -2 && s.meteorsLeft <= 9, "meteorites left -2 to 9", s.meteorsLeft);

    if (!flying) {
        const bool carried = !flownThisGame_ && s.combo == carriedCombo_;
        check(s.combo == 0 || carried, "combo 0 while the banner is idle", s.combo);
        check(c.comboBanner.box.left == -2700.0f, "the banner resting at -2700 while idle",
              static_cast<std::int64_t>(c.comboBanner.box.left));
    } else {
        check(c.comboBanner.box.left >= -2700.0f && c.comboBanner.box.left <= 900.0f, "the banner between -2700 and 900",
              static_cast<std::int64_t>(c.comboBanner.box.left));
        check(s.combo >= 1, "a flying banner has a combo", s.combo);
    }
    check(best.maxCombo >= s.combo, "the best combo at least the running combo", best.maxCombo);

    const std::int32_t shownScore = score_ + (downHeld_ ? 1 : 0);
    if (c.statusLine.caption != statusLine(meteorsLeft_, shownScore, level_))
        broken.push_back("the status line of the tick's start, got " + c.statusLine.caption);
    if (c.bestScoreLabel.caption != bestLine(best.hiScore)) broken.push_back("the best score line, got " + c.bestScoreLabel.caption);
    if (c.bestComboLabel.caption != "MAXCOMBO：" + number(maxCombo_))
        broken.push_back("the best combo line, got " + c.bestComboLabel.caption);
    check(best.hiScore >= shownScore, "a best score never below the score shown", best.hiScore);
    return broken;
}

} // namespace zol::test
