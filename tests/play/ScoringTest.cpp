// Points, combos, the best values kept during play and the level-up, as a
// whole tick scores them.
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zol::test {
namespace {

using Calls = std::vector<std::string>;

// Walkers 1 and 2 land under the meteorite at level 1, score 0, combo 0.
TickBench twoWalkersCrushed() {
    TickBench bench;
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(1);
    bench.walkerArrivesUnderMeteor(2);
    return bench;
}

TEST(Combos, TwoWalkersInOneLandingAtLevelOneScoreThreeHundredAndReachLevelTwo) {
    TickBench bench = twoWalkersCrushed();
    const Calls calls = bench.tick();
    EXPECT_EQ(bench.s.score, 2 * 100 + 2 * 50);
    EXPECT_EQ(bench.s.combo, 2);
    EXPECT_EQ(bench.c.comboBanner.caption, "2HIT!");
    EXPECT_EQ(bench.s.bannerStep, 900);
    EXPECT_EQ(bench.c.comboBanner.box.left, -2700.0f);
    EXPECT_EQ(bench.s.level, 2);
    EXPECT_EQ(bench.s.walkSpeed, 2);
    EXPECT_EQ(bench.best.maxCombo, 2);
    EXPECT_EQ(calls, (Calls{"crush", "crush", "banner", "levelup", "music"}));
}

TEST(Combos, ALandingWhileTheBannerFliesAddsToTheComboAndItsBonus) {
    TickBench bench = twoWalkersCrushed();
    bench.tick();
    ASSERT_EQ(bench.s.score, 300);
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(3);
    const Calls calls = bench.tick();
    EXPECT_EQ(bench.s.score, 300 + 110 + 3 * 50);
    EXPECT_EQ(bench.s.combo, 3);
    EXPECT_EQ(bench.c.comboBanner.caption, "3HIT!");
    EXPECT_GE(bench.best.maxCombo, 3);
    EXPECT_EQ(bench.s.level, 2);
    EXPECT_EQ(calls, (Calls{"crush", "banner", "music"}));
}

TEST(Combos, ASingleCrushFromIdleReadsOneHitAndEarnsFiftyBonusPoints) {
    TickBench bench;
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(4);
    bench.tick();
    EXPECT_EQ(bench.c.comboBanner.caption, "1HIT!");
    EXPECT_EQ(bench.s.score, 150);
}

TEST(Combos, ATickWithoutCrushesLeavesTheComboAlone) {
    TickBench bench;
    bench.s.combo = 5;
    bench.s.meteorY = 5250;  // lost in this tick
    const Calls calls = bench.tick();
    EXPECT_EQ(bench.s.combo, 5);
    EXPECT_EQ(bench.s.meteorsLeft, 8);
    EXPECT_EQ(calls, (Calls{"music"}));
}

TEST(Combos, TheBestComboIsShownFromTheTickAfterItWasReached) {
    TickBench bench;
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(1);
    bench.tick();
    EXPECT_EQ(bench.best.maxCombo, 1);
    EXPECT_EQ(bench.c.bestComboLabel.caption, "MAXCOMBO：0");
    bench.tick();
    EXPECT_EQ(bench.c.bestComboLabel.caption, "MAXCOMBO：1");
}

TEST(LevelUp, AScoreOf950AtLevelOneRaisesOneLevelInEachOfThreeTicks) {
    TickBench bench;
    bench.s.score = 950;
    for (const std::int32_t level : {2, 3, 4}) {
        EXPECT_EQ(bench.tick(), (Calls{"levelup", "music"})) << "to level " << level;
        EXPECT_EQ(bench.s.level, level);
        EXPECT_EQ(bench.s.walkSpeed, level);
    }
    EXPECT_EQ(bench.tick(), (Calls{"music"}));
    EXPECT_EQ(bench.s.level, 4);
}

TEST(LevelUp, TheLevelRisesAtExactlyThreeHundredPointsALevel) {
    TickBench bench;
    bench.s.score = 299;
    bench.tick();
    EXPECT_EQ(bench.s.level, 1);
    bench.s.score = 300;
    bench.tick();
    EXPECT_EQ(bench.s.level, 2);
}

TEST(LevelUp, WalkSpeedStaysAtFiftyWhileTheLevelKeepsCounting) {
    TickBench bench;
    bench.s.level = 49;
    bench.s.walkSpeed = 49;
    bench.s.score = 100000;
    for (const std::int32_t level : {50, 51, 52}) {
        bench.tick();
        EXPECT_EQ(bench.s.level, level);
        EXPECT_EQ(bench.s.walkSpeed, 50);
    }
}

TEST(BestScore, TheBestScoreFollowsTheScoreBeforeTheCaptionsAreWritten) {
    TickBench bench;
    bench.s.score = 1000;
    bench.keys.down = true;
    bench.tick();
    EXPECT_EQ(bench.best.hiScore, 1001);
    EXPECT_EQ(bench.c.bestScoreLabel.caption, "HI-1001LV:4");
}

TEST(BestScore, PointsOfAGivenUpTickCountInTheScoreButNotInTheBestScore) {
    TickBench bench;
    bench.s.score = 950;
    bench.s.meteorsLeft = -1;
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(2);
    const Calls calls = bench.tick();
    EXPECT_EQ(bench.s.score, 950 + 100 + 50);
    EXPECT_EQ(bench.best.hiScore, TickBench::kStartHiScore);
    EXPECT_EQ(calls, (Calls{"crush", "banner", "levelup", "music", "gameover"}));
}

} // namespace
} // namespace zol::test
