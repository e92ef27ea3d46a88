// The combo banner flies in from the left, halts at 900 twips and slides
// back out; the combo ends when it has left, 18 steps after its start.
#include "play/Banner.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zol::test {
namespace {

using play::flyBanner;
using play::startFlight;

struct Step {
    std::int32_t bannerStep;
    float left;
};

// Step 1 to 18 of a flight from its start at -2700 with a step of 900.
constexpr Step kFlight[18] = {
    {800, -1900}, {700, -1200}, {600, -600},   {500, -100},   {400, 300},    {300, 600},
    {200, 800},   {100, 900},   {0, 900},      {-100, 800},   {-200, 600},   {-300, 300},
    {-400, -100}, {-500, -600}, {-600, -1200}, {-700, -1900}, {-800, -2700}, {-900, -2700},
};

TEST(BannerFlight, EveryStepOfAFlightMovesTheBannerAsTheFlightTableSays) {
    TickBench bench;
    startFlight(bench.s, bench.c, 1);
    for (int n = 0; n < 18; ++n) {
        const bool flying = flyBanner(bench.s, bench.c);
        EXPECT_EQ(bench.s.bannerStep, kFlight[n].bannerStep) << "step " << n + 1;
        EXPECT_EQ(bench.c.comboBanner.box.left, kFlight[n].left) << "step " << n + 1;
        EXPECT_EQ(flying, n < 17) << "step " << n + 1;
        EXPECT_EQ(bench.s.combo, n < 17 ? 1 : 0) << "step " << n + 1;
    }
}

TEST(BannerFlight, AOneCrushFlightReadsOneHitAndStartsOffTheLeftEdge) {
    TickBench bench;
    bench.c.comboBanner.box.left = 512;
    startFlight(bench.s, bench.c, 1);
    EXPECT_EQ(bench.c.comboBanner.caption, "1HIT!");
    EXPECT_EQ(bench.c.comboBanner.box.left, -2700.0f);
    EXPECT_EQ(bench.s.bannerStep, 900);
    EXPECT_EQ(bench.s.combo, 1);
}

TEST(BannerFlight, ATwoCrushTickRaisesTheComboByTwo) {
    TickBench bench;
    bench.s.combo = 3;
    startFlight(bench.s, bench.c, 2);
    EXPECT_EQ(bench.s.combo, 5);
    EXPECT_EQ(bench.c.comboBanner.caption, "5HIT!");
}

TEST(BannerFlight, ACrushBetweenStepsTenAndElevenRestartsAFullEighteenStepFlight) {
    TickBench bench;
    startFlight(bench.s, bench.c, 1);
    for (int n = 0; n < 10; ++n) ASSERT_TRUE(flyBanner(bench.s, bench.c));
    ASSERT_EQ(bench.c.comboBanner.box.left, 800.0f);

    startFlight(bench.s, bench.c, 1);
    EXPECT_EQ(bench.s.combo, 2);
    EXPECT_EQ(bench.c.comboBanner.caption, "2HIT!");
    EXPECT_EQ(bench.c.comboBanner.box.left, -2700.0f);
    for (int n = 0; n < 17; ++n) {
        EXPECT_TRUE(flyBanner(bench.s, bench.c)) << "step " << n + 1;
        EXPECT_EQ(bench.c.comboBanner.box.left, kFlight[n].left) << "step " << n + 1;
        EXPECT_EQ(bench.s.combo, 2);
    }
    EXPECT_FALSE(flyBanner(bench.s, bench.c));
    EXPECT_EQ(bench.s.combo, 0);
    EXPECT_EQ(bench.c.comboBanner.box.left, -2700.0f);
}

TEST(BannerFlight, AFlightEndedByAnyStepLeavesTheBannerAtExactlyMinus2700) {
    TickBench bench;
    bench.s.combo = 4;
    bench.s.bannerStep = -300;
    bench.c.comboBanner.box.left = -2650;
    EXPECT_FALSE(flyBanner(bench.s, bench.c));
    EXPECT_EQ(bench.c.comboBanner.box.left, -2700.0f);
    EXPECT_EQ(bench.s.combo, 0);
}

} // namespace
} // namespace zol::test
