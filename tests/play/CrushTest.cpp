// When the meteorite crushes a walker: its vertical middle within the
// walker's height, the walker's horizontal middle within the meteorite's
// width, and the walker not already crushed. Equality counts.
#include "play/Scoring.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace zol::test {
namespace {

using play::crushes;

// Walker 1 right under the meteorite, both where the test puts them.
TickBench underneath(std::int32_t meteorY, std::int32_t walkerOffsetTw) {
    TickBench bench;
    bench.s.meteorY = meteorY;
    bench.placeWalker(1, bench.s.posX[0] + walkerOffsetTw, 1, 0);
    return bench;
}

bool crushedFrom(std::int32_t meteorY) {
    const TickBench bench = underneath(meteorY, 0);
    return crushes(bench.s, bench.c, 1);
}

TEST(CrushBounds, TheMeteoriteCrushesFromHeight4613ButNotFrom4612) {
    EXPECT_TRUE(crushedFrom(4613));
    EXPECT_FALSE(crushedFrom(4612));
}

TEST(CrushBounds, TheMeteoriteCrushesDownToHeight5347ButNotAt5348) {
    EXPECT_TRUE(crushedFrom(5347));
    EXPECT_FALSE(crushedFrom(5348));
}

TEST(CrushBounds, AWalkerUpTo307TwipsAsideOnEitherSideIsCrushed) {
    for (const std::int32_t offset : {-307, 307, 0}) {
        const TickBench bench = underneath(4700, offset);
        EXPECT_TRUE(crushes(bench.s, bench.c, 1)) << "offset " << offset;
    }
}

TEST(CrushBounds, AWalker308TwipsAsideOnEitherSideEscapes) {
    for (const std::int32_t offset : {-308, 308}) {
        const TickBench bench = underneath(4700, offset);
        EXPECT_FALSE(crushes(bench.s, bench.c, 1)) << "offset " << offset;
    }
}

TEST(CrushBounds, AWalkerWhoseMiddleIsExactlyAtEitherEdgeOfTheMeteoriteIsCrushed) {
    // With a walker 616 wide its middle falls on whole twips.
    TickBench bench = underneath(4700, 0);
    bench.c.walker(1).box.width = 616;
    bench.s.posX[1] = bench.s.posX[0] - 308;  // middle at the left edge
    EXPECT_TRUE(crushes(bench.s, bench.c, 1));
    bench.s.posX[1] = bench.s.posX[0] - 309;
    EXPECT_FALSE(crushes(bench.s, bench.c, 1));
    bench.s.posX[1] = bench.s.posX[0] + 615 - 308;  // middle at the right edge
    EXPECT_TRUE(crushes(bench.s, bench.c, 1));
    bench.s.posX[1] = bench.s.posX[0] + 615 - 307;
    EXPECT_FALSE(crushes(bench.s, bench.c, 1));
}

TEST(CrushBounds, AWalkerShowingACrushPictureIsNotCrushedAgain) {
    TickBench bench = underneath(4700, 0);
    for (const std::int32_t frame : {40, 48, 54, 68}) {
        bench.s.walkFrame[1] = frame;
        EXPECT_FALSE(crushes(bench.s, bench.c, 1)) << "frame " << frame;
    }
    bench.s.walkFrame[1] = 1;
    EXPECT_TRUE(crushes(bench.s, bench.c, 1));
}

TEST(CrushBounds, TheTestUsesTheWalkerAlreadyMovedAndTheMeteoriteNotYetFallen) {
    TickBench bench;
    // The meteorite falls to 4657 in this tick, but is tested at 4610.
    bench.s.meteorY = 4610;
    bench.walkerArrivesUnderMeteor(1);
    bench.tick();
    EXPECT_EQ(bench.s.score, 0);
    EXPECT_EQ(bench.s.meteorY, 4657);

    // A walker whose step this tick brings it under the meteorite is crushed.
    TickBench arriving;
    arriving.meteorAtCrushHeight();
    arriving.placeWalker(2, arriving.s.posX[0] - 307 - 60, 1, 0);
    arriving.tick();
    EXPECT_EQ(arriving.s.walkFrame[2], 40);
}

TEST(CrushPoints, ACrushIsWorthOneHundredAndTenMoreForEachLevelAbove) {
    for (const auto& [level, points] : {std::pair{1, 100}, {2, 110}, {11, 200}}) {
        play::GameState s;
        s.level = level;
        play::crush(s, 3);
        EXPECT_EQ(s.score, points) << "level " << level;
        EXPECT_EQ(s.walkFrame[3], 40);
    }
}

TEST(CrushPoints, ACrushAndAWouldBeLossInOneTickRestartTheMeteoriteWithoutLosingIt) {
    TickBench bench;
    bench.s.meteorY = 5250;  // this tick's fall would take it to 5297
    bench.walkerArrivesUnderMeteor(1);
    bench.tick();
    EXPECT_EQ(bench.s.meteorsLeft, 9);
    // Restarted at 200 before the fall of 47.
    EXPECT_EQ(bench.s.meteorY, 247);
    EXPECT_EQ(bench.s.meteorDX, 0);
    EXPECT_EQ(bench.s.posX[0], TickBench::kMeteorStartTw);
}

} // namespace
} // namespace zol::test
