// The meteorite falls by the level's speed, faster with Down held, and is
// lost when it reaches the ground.
#include "play/MeteorMotion.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace zol::test {
namespace {

using play::fall;
using play::speedFactor;

// The ground line lies at 5887.5: the tick whose fall takes meteorY to 5273
// or more loses the meteorite.
int ticksUntilLost(TickBench& bench) {
    const std::int32_t before = bench.s.meteorsLeft;
    for (int n = 1; n <= 1000; ++n) {
        fall(bench.s, bench.c, speedFactor(bench.s.level));
        if (bench.s.meteorsLeft != before) return n;
    }
    return -1;
}

TEST(MeteorFall, ADownTickAtLevelOneMovesFiftySevenTwipsAndEarnsAPointShownAtOnce) {
    TickBench bench;
    bench.keys.down = true;
    bench.tick();
    EXPECT_EQ(bench.s.meteorY, 57);
    EXPECT_EQ(bench.c.meteor.box.top, 57.0f);
    EXPECT_EQ(bench.s.score, 1);
    EXPECT_EQ(bench.c.statusLine.caption, "隕石のかず－9個  現在の得点－1Pts  ＬＥＶＥＬ－1");
}

TEST(MeteorFall, ADownTickAtLevelThirtyMovesFourHundredSixtyThreeTwips) {
    TickBench bench;
    bench.s.level = 30;
    bench.s.score = 30 * 300 - 1000;  // well below the next level
    bench.keys.down = true;
    bench.tick();
    EXPECT_EQ(bench.s.meteorY, 463);
}

TEST(MeteorFall, TheDownPushStopsGrowingAtLevelThirtyLikeTheFall) {
    TickBench bench;
    bench.s.level = 35;
    bench.s.score = 35 * 300 - 1000;
    bench.keys.down = true;
    bench.tick();
    EXPECT_EQ(bench.s.meteorY, 463);
}

TEST(MeteorFall, TheFallIsTwoHundredFiftyTwipsAtLevelThirtyAndAtLevelThirtyFive) {
    for (const std::int32_t level : {30, 35}) {
        TickBench bench;
        bench.s.level = level;
        bench.s.meteorY = 1000;
        fall(bench.s, bench.c, speedFactor(level));
        EXPECT_EQ(bench.s.meteorY, 1250) << "level " << level;
    }
    EXPECT_EQ(speedFactor(29), 29);
}

TEST(MeteorFall, ARestartedMeteoriteIsLostAfter108TicksAtLevelOne) {
    TickBench bench;
    bench.s.meteorY = 200;
    EXPECT_EQ(ticksUntilLost(bench), 108);
    EXPECT_EQ(bench.s.meteorsLeft, 8);
    EXPECT_EQ(bench.s.meteorY, 200);
    EXPECT_EQ(bench.s.meteorDX, 0);
    EXPECT_EQ(bench.c.meteor.box.top, 200.0f);
}

TEST(MeteorFall, TheFirstMeteoriteOfAGameIsLostAfter113TicksAtLevelOne) {
    TickBench bench;
    EXPECT_EQ(ticksUntilLost(bench), 113);
}

TEST(MeteorFall, ARestartedMeteoriteIsLostAfter21TicksFromLevelThirtyOn) {
    for (const std::int32_t level : {30, 44}) {
        TickBench bench;
        bench.s.level = level;
        bench.s.meteorY = 200;
        EXPECT_EQ(ticksUntilLost(bench), 21) << "level " << level;
    }
}

TEST(MeteorFall, ALostMeteoriteKeepsItsColumnAndLosesItsSideSpeed) {
    TickBench bench;
    bench.s.meteorY = 5250;
    bench.s.meteorDX = 40;
    fall(bench.s, bench.c, 1);
    EXPECT_EQ(bench.s.meteorsLeft, 8);
    EXPECT_EQ(bench.s.posX[0], TickBench::kMeteorStartTw + 40);
    EXPECT_EQ(bench.s.meteorDX, 0);
    EXPECT_EQ(bench.s.meteorY, 200);
}

} // namespace
} // namespace zol::test
