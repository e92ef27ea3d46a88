// The six walkers: one step a tick in their direction, two walking frames,
// and a fresh random place once they leave the play area.
#include "play/Walkers.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>

namespace zol::test {
namespace {

using play::updateWalker;

TEST(WalkerEdges, AWalkerReachingTheOuterWidthOnTheRightRespawns) {
    TickBench bench;
    bench.placeWalker(3, 8700, 1, 0);
    updateWalker(bench.s, bench.c, 3, bench.rnd);
    expectRespawned(bench, 3, 1);
}

TEST(WalkerEdges, AWalkerStoppingJustShortOfTheOuterWidthWalksOn) {
    TickBench bench;
    bench.placeWalker(3, 8680, 1, 0);
    updateWalker(bench.s, bench.c, 3, bench.rnd);
    EXPECT_EQ(bench.s.posX[3], 8740);
    EXPECT_EQ(bench.c.walker(3).box.left, 8740.0f);
    EXPECT_EQ(bench.s.walkFrame[3], 1);
    // No number was drawn.
    EXPECT_EQ(bench.rnd.next(), DocumentedDraws().next());
}

TEST(WalkerEdges, AnImageTwoWidthsLeftOfTheAreaRespawnsItsWalker) {
    TickBench bench;
    bench.placeWalker(2, -1230, 0, 1);
    updateWalker(bench.s, bench.c, 2, bench.rnd);
    expectRespawned(bench, 2, 1);
}

TEST(WalkerEdges, AnImageOneTwipShortOfTwoWidthsLeftOfTheAreaWalksOn) {
    TickBench bench;
    bench.placeWalker(2, -1229, 0, 1);
    updateWalker(bench.s, bench.c, 2, bench.rnd);
    EXPECT_EQ(bench.s.posX[2], -1289);
    EXPECT_EQ(bench.c.walker(2).box.left, -1289.0f);
}

TEST(WalkerEdges, TheLeftRuleLooksAtWhereTheImageStoodBeforeThisStep) {
    TickBench bench;
    bench.placeWalker(4, 0, 0, 0);
    bench.c.walker(4).box.left = -1230;
    updateWalker(bench.s, bench.c, 4, bench.rnd);
    expectRespawned(bench, 4, 1);
}

TEST(WalkerEdges, AWalkerCrossingTheLeftThresholdRespawnsOneTickLater) {
    TickBench bench;
    bench.placeWalker(5, -1200, 0, 0);
    updateWalker(bench.s, bench.c, 5, bench.rnd);
    EXPECT_EQ(bench.s.posX[5], -1260);
    updateWalker(bench.s, bench.c, 5, bench.rnd);
    expectRespawned(bench, 5, 1);
}

TEST(WalkerSteps, AWalkerStepsSixtyTwipsAtSpeedOneAndSeventyAtSpeedTwo) {
    TickBench bench;
    bench.placeWalker(1, 3000, 1, 0);
    bench.placeWalker(2, 3000, 0, 0);
    updateWalker(bench.s, bench.c, 1, bench.rnd);
    updateWalker(bench.s, bench.c, 2, bench.rnd);
    EXPECT_EQ(bench.s.posX[1], 3060);
    EXPECT_EQ(bench.s.posX[2], 2940);
    bench.s.walkSpeed = 2;
    updateWalker(bench.s, bench.c, 1, bench.rnd);
    updateWalker(bench.s, bench.c, 2, bench.rnd);
    EXPECT_EQ(bench.s.posX[1], 3130);
    EXPECT_EQ(bench.s.posX[2], 2870);
}

TEST(WalkerSteps, TheWalkingFramesAlternateAndAStrayFrameCountsDown) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{0, 1}, {1, 0}, {2, 1}, {3, 2}, {40, 42}, {58, 60}};
    for (const auto& [before, after] : cases) {
        TickBench bench;
        bench.placeWalker(1, 3000, 1, before);
        updateWalker(bench.s, bench.c, 1, bench.rnd);
        EXPECT_EQ(bench.s.walkFrame[1], after) << "from " << before;
    }
}

TEST(WalkerPictures, AWalkingWalkerShowsItsDirectionsPairOfFrames) {
    // Frames alternate before the picture is chosen: 1 shows frame 0.
    const struct {
        std::int32_t dir, frameBefore;
        int picture;
    } cases[] = {{0, 1, 0}, {0, 0, 1}, {1, 1, 2}, {1, 0, 3}};
    for (const auto& c : cases) {
        TickBench bench;
        bench.placeWalker(1, 3000, c.dir, c.frameBefore);
        updateWalker(bench.s, bench.c, 1, bench.rnd);
        EXPECT_EQ(bench.c.walker(1).picture, c.picture) << "dir " << c.dir << " frame " << c.frameBefore;
    }
}

} // namespace
} // namespace zol::test
