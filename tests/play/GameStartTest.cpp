// What loading the play screen sets for a new game, and what a second game
// finds left over from the first.
#include "tests/play/Scripted.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zol::test {
namespace {

void expectNewGame(Scripted& game) {
    const play::GameState& s = game.state();
    EXPECT_EQ(s.meteorsLeft, 9);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.walkSpeed, 1);
    EXPECT_EQ(s.posX[0], 4372);  // 8745 / 2 = 4372.5, to the even neighbour
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(s.meteorY, 0);
    EXPECT_EQ(s.meteorDX, 0);
    EXPECT_EQ(s.bannerStep, 0);
    EXPECT_EQ(game.controls().comboBanner.box.left, -2700.0f);
    EXPECT_TRUE(game.play().tickTimerEnabled());
    EXPECT_FALSE(game.play().bannerTimerEnabled());
    EXPECT_FALSE(game.play().gameOverTimerEnabled());
    // The controls come back as designed: the meteorite at its place, the
    // walkers beyond the right edge showing the upright right-facing frame.
    EXPECT_EQ(game.controls().meteor.box.left, 4320.0f);
    EXPECT_EQ(game.controls().meteor.box.top, -120.0f);
    EXPECT_TRUE(game.controls().meteor.visible);
    const float designedLeft[7] = {4320, 9480, 9720, 9840, 9480, 9960, 9600};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(game.controls().walker(i).box.left, designedLeft[i]) << "walker " << i;
        EXPECT_EQ(game.controls().walker(i).picture, 3) << "walker " << i;
    }
}

TEST(GameStart, TheFirstGameStartsWithTheWalkersAndTheClockReadingAllZero) {
    Scripted game;
    ASSERT_EQ(game.run("click play"), "");
    expectNewGame(game);
    EXPECT_EQ(game.state().lastTick, 0);
    EXPECT_EQ(game.state().combo, 0);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(game.state().walkDir[i], 0);
        EXPECT_EQ(game.state().walkFrame[i], 0);
    }
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(game.state().posX[i], 0);
}

TEST(GameStart, InTheFirstGameTheWalkersWalkOffLeftTogetherAndComeBackOnTheTwentySecondTick) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 21"}), "");
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(game.controls().walker(i).box.left, -1260.0f) << "walker " << i;
    ASSERT_EQ(game.run("ticks 1"), "");
    // Six respawns in walker order, three draws each, nothing drawn before.
    DocumentedDraws draws;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(game.state().posX[i], DocumentedDraws::respawnPosX(draws.next())) << "walker " << i;
        EXPECT_EQ(game.state().walkDir[i], DocumentedDraws::half(draws.next())) << "walker " << i;
        EXPECT_EQ(game.state().walkFrame[i], DocumentedDraws::half(draws.next())) << "walker " << i;
    }
}

TEST(LeavingPlay, ClosingThePlayWindowMidGameSavesNothingAndEndsTheProgram) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "down Down", "ticks 40"}), "");
    ASSERT_EQ(game.state().score, 40);
    const std::size_t before = game.log.count();
    ASSERT_EQ(game.run("close play"), "");
    const auto events = game.log.since(before);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].ev(), "unload");
    EXPECT_EQ(events[0].text("form"), "play");
    EXPECT_EQ(events[1].ev(), "end");
    EXPECT_TRUE(game.sim.program().ended());
}

// The first game: the first meteorite lands on a walker at tick 100; the
// player gives up while the banner is still flying and chooses to play again.
class SecondGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(game.runAll({"click play", "ticks 100"}), "");
        ASSERT_EQ(game.state().combo, 1) << "the first landing was expected to crush one walker";
        ASSERT_EQ(game.runAll({"down E", "ticks 1", "wait 50", "answer ok"}), "");
        first = game.state();
        ASSERT_EQ(game.run("click play"), "");
    }

    Scripted game;
    play::GameState first;
};

TEST_F(SecondGame, StartsAfreshWhereGameStartSetsAValue) {
    expectNewGame(game);
}

TEST_F(SecondGame, KeepsTheWalkersTheClockReadingAndTheComboOfTheFirstGame) {
    EXPECT_EQ(game.state().lastTick, first.lastTick);
    EXPECT_EQ(game.state().combo, 1);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(game.state().posX[i], first.posX[i]) << "walker " << i;
        EXPECT_EQ(game.state().walkDir[i], first.walkDir[i]) << "walker " << i;
        EXPECT_EQ(game.state().walkFrame[i], first.walkFrame[i]) << "walker " << i;
    }
}

TEST_F(SecondGame, ItsFirstTickIsProcessedAtOnce) {
    const std::int64_t loadedAt = game.log.all().back().t();
    ASSERT_EQ(game.run("wait 1"), "");
    EXPECT_EQ(game.state().lastTick, loadedAt + 1);
}

TEST_F(SecondGame, ItsFirstCrushAddsToTheComboLeftStandingAndToItsBonus) {
    std::int32_t scoreBefore = 0;
    std::int32_t levelBefore = 1;
    while (game.state().combo == 1 && game.play().tickTimerEnabled()) {
        scoreBefore = game.state().score;
        levelBefore = game.state().level;
        ASSERT_EQ(game.run("ticks 1"), "");
    }
    int crushed = 0;
    for (int i = 1; i <= 6; ++i) crushed += game.state().walkFrame[i] == 40;
    ASSERT_GT(crushed, 0) << "the game ended without a crush";
    EXPECT_EQ(game.state().combo, 1 + crushed);
    EXPECT_EQ(game.controls().comboBanner.caption, std::to_string(1 + crushed) + "HIT!");
    EXPECT_EQ(game.state().score - scoreBefore, crushed * (100 + 10 * (levelBefore - 1)) + 50 * (1 + crushed));
}

} // namespace
} // namespace zol::test
