// The play screen polls every millisecond, but a tick runs only when the
// clock stands more than 50 ms past the last processed one.
#include "tests/play/Scripted.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zol::test {
namespace {

constexpr std::int64_t kLoadMs = 100000;

TEST(TickGate, TheFirstTimerEventAfterTheScreenLoadsIsProcessedAtOnce) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "wait 1"}), "");
    EXPECT_EQ(game.ticks(), 1u);
    EXPECT_EQ(game.state().lastTick, kLoadMs + 1);
}

TEST(TickGate, AnEventExactlyFiftyMillisecondsAfterTheLastTickDoesNothing) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "wait 1", "wait 50"}), "");
    EXPECT_EQ(game.ticks(), 1u);
    EXPECT_EQ(game.state().lastTick, kLoadMs + 1);
    EXPECT_EQ(game.state().meteorY, 47);
}

TEST(TickGate, AnEventFiftyOneMillisecondsAfterTheLastTickRunsTheNextTick) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "wait 1", "wait 51"}), "");
    EXPECT_EQ(game.ticks(), 2u);
    EXPECT_EQ(game.state().lastTick, kLoadMs + 52);
    EXPECT_EQ(game.state().meteorY, 94);
}

TEST(TickGate, TickEventsComeFiftyOneMillisecondsApart) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 5"}), "");
    const auto ticks = game.log.only("tick");
    ASSERT_EQ(ticks.size(), 5u);
    for (std::size_t n = 0; n < ticks.size(); ++n) {
        EXPECT_EQ(ticks[n].t(), kLoadMs + 1 + 51 * static_cast<std::int64_t>(n));
        EXPECT_EQ(ticks[n].integer("lastTick"), ticks[n].t());
    }
}

TEST(TickGate, TheTicksCommandEndsWithTheMillisecondOfItsLastTick) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 3"}), "");
    EXPECT_EQ(game.log.all().back().ev(), "tick");
    EXPECT_EQ(game.log.all().back().t(), kLoadMs + 103);
    // Nothing more is due until 51 ms after it.
    ASSERT_EQ(game.run("wait 50"), "");
    EXPECT_EQ(game.ticks(), 3u);
}

TEST(TickGate, ATickThatComesLateMovesByTheSameAmountAndMakesNothingUp) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 2", "down Enter", "wait 1000", "answer ok"}), "");
    const std::int64_t answeredAt = game.log.all().back().t();
    ASSERT_EQ(game.ticks(), 2u);
    ASSERT_EQ(game.state().meteorY, 94);
    ASSERT_EQ(game.run("ticks 1"), "");
    EXPECT_EQ(game.state().lastTick, answeredAt + 1);
    EXPECT_EQ(game.state().meteorY, 94 + 47);
    EXPECT_EQ(game.ticks(), 3u);
}

} // namespace
} // namespace zol::test
