// The meteorite's sideways motion: Left and Right change its speed, the
// side walls reverse and halve it.
#include "play/MeteorMotion.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>

namespace zol::test {
namespace {

using play::fall;

TEST(Steering, EachTickWithRightHeldAddsTwentyAndTheSpeedHasNoLimit) {
    play::GameState s;
    play::HeldKeys keys;
    keys.right = true;
    for (int n = 0; n < 100; ++n) play::steer(s, keys, 1);
    EXPECT_EQ(s.meteorDX, 2000);
    keys = {.left = true};
    play::steer(s, keys, 1);
    EXPECT_EQ(s.meteorDX, 1980);
}

TEST(Steering, LeftAndRightHeldTogetherLeaveTheSpeedUnchanged) {
    play::GameState s;
    s.meteorDX = -60;
    play::steer(s, {.left = true, .right = true}, 1);
    EXPECT_EQ(s.meteorDX, -60);
    EXPECT_EQ(s.meteorY, 0);
    EXPECT_EQ(s.score, 0);
}

TEST(Walls, AMeteoriteCrossingTheLeftWallIsPutAtOneWithHalfItsSpeedReversed) {
    TickBench bench;
    bench.s.posX[0] = 10;
    bench.s.meteorDX = -30;
    fall(bench.s, bench.c, 1);
    EXPECT_EQ(bench.s.meteorDX, 15);
    EXPECT_EQ(bench.s.posX[0], 1);
    EXPECT_EQ(bench.c.meteor.box.left, 1.0f);
}

TEST(Walls, ARightWallBounceRoundsHalfTheSpeedToTheEvenNeighbour) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{25, -12}, {35, -18}, {40, -20}};
    for (const auto& [dx, after] : cases) {
        TickBench bench;
        bench.s.posX[0] = 8120;
        bench.s.meteorDX = dx;
        fall(bench.s, bench.c, 1);
        EXPECT_EQ(bench.s.meteorDX, after) << "from " << dx;
        // Put back 1 twip inside: 8745 - 615 - 1.
        EXPECT_EQ(bench.s.posX[0], 8129);
        EXPECT_EQ(bench.c.meteor.box.left, 8129.0f);
    }
}

TEST(Walls, AMeteoriteTouchingTheRightEdgeExactlyDoesNotBounce) {
    TickBench bench;
    bench.s.posX[0] = 8100;
    bench.s.meteorDX = 30;
    fall(bench.s, bench.c, 1);
    EXPECT_EQ(bench.s.posX[0], 8130);
    EXPECT_EQ(bench.s.meteorDX, 30);
}

TEST(Walls, ALeftWallBounceRoundsTheHalfToEvenToo) {
    TickBench bench;
    bench.s.posX[0] = 5;
    bench.s.meteorDX = -25;
    fall(bench.s, bench.c, 1);
    EXPECT_EQ(bench.s.meteorDX, 12);
    EXPECT_EQ(bench.s.posX[0], 1);
}

} // namespace
} // namespace zol::test
