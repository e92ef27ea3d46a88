// Ten million ticks of random play, in chunks: the memory the game holds
// after the first million is what it holds after the last.
#include "simulate/Simulation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <malloc.h>
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count of live allocations (its malloc replaces glibc's).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace zol::test {
namespace {

using Kind = simulate::Command::Kind;

// Bytes the program has allocated and not freed.
std::size_t allocatedBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

std::uint64_t ticksToRun() {
    const char* ticks = std::getenv("ZOLBAS_SOAK_TICKS");
    return ticks ? std::strtoull(ticks, nullptr, 10) : 10'000'000;
}

TEST(Soak, TenMillionTicksOfRandomPlayHoldNoMoreMemoryAtTheEndThanAfterTheFirstMillion) {
    simulate::Simulation sim(nullptr);
    Program& program = sim.program();
    const PlayScreen& screen = program.play();
    std::mt19937 rng(7);
    const auto run = [&](Kind kind, std::int64_t number = 0, std::string word = {}) {
        ASSERT_EQ(sim.execute(simulate::Command{kind, number, std::move(word), {}}), "");
    };
    const auto press = [&](Kind kind, play::Key key) {
        ASSERT_EQ(sim.execute(simulate::Command{kind, 0, {}, {}, key}), "");
    };
    constexpr play::Key kKeys[] = {play::Key::Left, play::Key::Other, play::Key::Right, play::Key::Down};
    program.start();

    const std::uint64_t total = ticksToRun();
    const std::uint64_t firstMillion = std::min<std::uint64_t>(total, 1'000'000);
    std::size_t afterFirstMillion = 0;
    while (screen.processedTicks() < total) {
        if (!program.isLoaded(ScreenId::Play)) run(Kind::Click, 0, "play");
        const unsigned roll = rng();
        press(roll & 1 ? Kind::Down : Kind::Up, kKeys[(roll >> 1) % 4]);
        if (roll % 997 == 0) press(Kind::Down, play::Key::GiveUp);  // now and then, give up
        run(Kind::Ticks, 1 + (roll >> 8) % 64);
        if (!screen.tickTimerEnabled()) {
            run(Kind::Wait, 50);
            run(Kind::Answer, 0, "ok");
        }
        if (afterFirstMillion == 0 && screen.processedTicks() >= firstMillion) afterFirstMillion = allocatedBytes();
    }
    const std::size_t atTheEnd = allocatedBytes();
    RecordProperty("bytesAfterFirstMillion", static_cast<int>(afterFirstMillion));
    RecordProperty("bytesAtTheEnd", static_cast<int>(atTheEnd));
    // A few kilobytes may move with the captions' lengths; a leak of even
    // one byte a game would show as far more.
    EXPECT_LE(atTheEnd, afterFirstMillion + 16 * 1024) << "after 1M: " << afterFirstMillion << ", at the end: " << atTheEnd;
}

} // namespace
} // namespace zol::test
