// A crushed walker: three crush pictures over fourteen ticks while it keeps
// sliding along, then a fresh place; leaving the area ends a crush early.
#include "play/Walkers.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>

namespace zol::test {
namespace {

using play::updateWalker;

TEST(CrushCourse, ACrushedWalkerShowsThreeCrushPicturesAndRespawnsOnTheFifteenthTick) {
    TickBench bench;
    bench.placeWalker(6, 1000, 1, 40);
    for (int tick = 1; tick <= 14; ++tick) {
        updateWalker(bench.s, bench.c, 6, bench.rnd);
        EXPECT_EQ(bench.s.walkFrame[6], 40 + 2 * tick) << "tick " << tick;
        EXPECT_EQ(bench.c.walker(6).picture, tick <= 4 ? 4 : tick <= 9 ? 5 : 6) << "tick " << tick;
        // A crushed walker keeps sliding along.
        EXPECT_EQ(bench.s.posX[6], 1000 + 60 * tick);
    }
    updateWalker(bench.s, bench.c, 6, bench.rnd);
    expectRespawned(bench, 6, 1);
    const Respawn r = DocumentedDraws::nthRespawn(1);
    EXPECT_EQ(bench.c.walker(6).picture, 2 * r.dir + r.frame);
}

TEST(CrushCourse, AFrameOf68BecomesSeventyAndTheWalkerRespawnsInThatTick) {
    TickBench bench;
    bench.placeWalker(1, 2000, 0, 68);
    updateWalker(bench.s, bench.c, 1, bench.rnd);
    expectRespawned(bench, 1, 1);
}

TEST(CrushCourse, ACrushedWalkerLeavingTheAreaRespawnsOnceAndWalksAtOnce) {
    TickBench bench;
    bench.placeWalker(1, 8700, 1, 66);
    updateWalker(bench.s, bench.c, 1, bench.rnd);
    // Frame 68 after the step; the respawn on the right edge gives a walking
    // frame, so the end of the crush does not respawn it a second time.
    expectRespawned(bench, 1, 1);
    EXPECT_LT(bench.c.walker(1).picture, 4);
}

} // namespace
} // namespace zol::test
