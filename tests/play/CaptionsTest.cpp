// The status line, the best score with its level and the best combo, as
// every processed tick writes them.
#include "play/Captions.h"
#include "tests/play/Scripted.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <vector>

namespace zol::test {
namespace {

using play::bestComboCaption;
using play::bestScoreCaption;
using play::statusCaption;

TEST(StatusCaption, AGameStartsWithNineMeteoritesNoPointsAndLevelOne) {
    play::GameState s;
    s.meteorsLeft = 9;
    s.level = 1;
    EXPECT_EQ(statusCaption(s), "隕石のかず－9個  現在の得点－0Pts  ＬＥＶＥＬ－1");
}

TEST(StatusCaption, AGivenUpGameShowsOneMeteoriteForMinusOne) {
    play::GameState s;
    s.meteorsLeft = -1;
    s.score = 1250;
    s.level = 5;
    EXPECT_EQ(statusCaption(s), "隕石のかず－1個  現在の得点－1250Pts  ＬＥＶＥＬ－5");
}

TEST(BestCaptions, ABestScoreOf1000ReadsLevelFourAndABestComboOfZeroReadsZero) {
    EXPECT_EQ(bestScoreCaption(1000), "HI-1000LV:4");
    EXPECT_EQ(bestComboCaption(0), "MAXCOMBO：0");
    EXPECT_EQ(bestComboCaption(12), "MAXCOMBO：12");
}

TEST(BestCaptions, TheLevelOfTheBestScoreRisesAtExactlyThreeHundred) {
    EXPECT_EQ(bestScoreCaption(299), "HI-299LV:1");
    EXPECT_EQ(bestScoreCaption(300), "HI-300LV:2");
    EXPECT_EQ(bestScoreCaption(0), "HI-0LV:1");
}

TEST(BestCaptions, ANegativeBestScoreFloorsItsLevelTowardMinusInfinity) {
    EXPECT_EQ(bestScoreCaption(-1), "HI--1LV:0");
    EXPECT_EQ(bestScoreCaption(-300), "HI--300LV:0");
    EXPECT_EQ(bestScoreCaption(-301), "HI--301LV:-1");
}

TEST(CaptionsInPlay, TheFirstTickOfAGameShowsTheStartCaptions) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 1"}), "");
    const auto tick = game.log.only("tick").front();
    EXPECT_EQ(tick.text("label1"), "隕石のかず－9個  現在の得点－0Pts  ＬＥＶＥＬ－1");
    EXPECT_EQ(tick.text("label3"), "HI-1000LV:4");
    EXPECT_EQ(tick.text("label4"), "MAXCOMBO：0");
    EXPECT_EQ(tick.numbers("posX").at(0), 4372);
}

TEST(CaptionsInPlay, TheScreenShowsTheDesignedCaptionsUntilTheFirstTick) {
    Scripted game;
    ASSERT_EQ(game.run("click play"), "");
    EXPECT_EQ(game.controls().statusLine.caption, "");
    EXPECT_EQ(game.controls().bestScoreLabel.caption, "ＨＩ－");
    EXPECT_EQ(game.controls().bestComboLabel.caption, "MAXCOMBO：");
}

TEST(CaptionsInPlay, TheLastTickAfterGivingUpShowsOneMeteorite) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 3", "down E", "ticks 1"}), "");
    EXPECT_EQ(game.log.only("tick").back().text("label1"),
              "隕石のかず－1個  現在の得点－0Pts  ＬＥＶＥＬ－1");
    EXPECT_EQ(game.controls().statusLine.caption, "隕石のかず－1個  現在の得点－0Pts  ＬＥＶＥＬ－1");
}

TEST(CaptionsInPlay, TheTickThatLosesTheLastMeteoriteShowsZeroAndEndsTheGame) {
    TickBench bench;
    bench.s.meteorsLeft = 0;
    bench.s.meteorY = 5250;
    const auto calls = bench.tick();
    EXPECT_EQ(bench.c.statusLine.caption, "隕石のかず－0個  現在の得点－0Pts  ＬＥＶＥＬ－1");
    EXPECT_EQ(bench.s.meteorsLeft, -1);
    EXPECT_EQ(calls.back(), "gameover");
}

TEST(CaptionsInPlay, TheCaptionsShowTheScoreBeforeThisTicksCrushesAndTheLevelBeforeItsLevelUp) {
    TickBench bench;
    bench.s.score = 200;
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(1);
    bench.tick();
    ASSERT_EQ(bench.s.score, 350);
    ASSERT_EQ(bench.s.level, 2);
    EXPECT_EQ(bench.c.statusLine.caption, "隕石のかず－9個  現在の得点－200Pts  ＬＥＶＥＬ－1");
    bench.tick();
    EXPECT_EQ(bench.c.statusLine.caption, "隕石のかず－9個  現在の得点－350Pts  ＬＥＶＥＬ－2");
}

} // namespace
} // namespace zol::test
