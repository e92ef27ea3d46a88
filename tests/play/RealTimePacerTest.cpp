#include "platform/sim/RealTimePacer.h"
#include "simulate/ScriptRecorder.h"
#include "simulate/SimulatedProgram.h"
#include "simulate/Simulation.h"
#include "tests/play/EventLog.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace zol::test {
namespace {

// The program on the simulated platform driven as the page drives it:
// frames of a real clock, and the player's inputs in between, each recorded
// as a script line.
struct PacedGame {
    EventLog log;
    Trace trace{log.file()};
    simulate::SimulatedProgram simulated{trace};
    sim::RealTimePacer pacer{simulated.clock, simulated.timers, [this] { return simulated.timers.hold().held(); },
                             [this] { return simulated.program.ended(); }};
    simulate::ScriptRecorder recorder;
    std::int64_t realMs = 0;
    unsigned jitter = 12345;

    PacedGame() { simulated.program.start(); }

    // Frames 8 to 39 ms apart, as a busy browser gives them.
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            jitter = jitter * 1103515245u + 12345u;
            realMs += 8 + static_cast<int>((jitter >> 16) % 32);
            pacer.catchUp(realMs);
        }
    }
    void input(const std::string& command, const std::function<void()>& act) {
        recorder.record(simulated.clock.nowMs(), command);
        act();
    }
    int ticksSince(std::size_t from) {
        int ticks = 0;
        for (const auto& event : log.since(from)) ticks += event.ev() == "tick";
        return ticks;
    }
};

std::vector<std::string> linesOf(EventLog& log) {
    std::vector<std::string> lines;
    for (const auto& event : log.all()) lines.push_back(event.line());
    return lines;
}

TEST(RealTimePacer, AGamePlayedOnARealClockReplaysEventForEventFromItsScript) {
    PacedGame game;
    game.frames(5);
    game.input("click play", [&] { game.simulated.program.title().play(); });
    game.frames(20);
    game.input("down Right", [&] { game.simulated.program.play().keyDown(play::Key::Right); });
    game.frames(30);
    game.input("down Down", [&] { game.simulated.program.play().keyDown(play::Key::Down); });
    game.frames(40);
    game.input("up Right", [&] { game.simulated.program.play().keyUp(play::Key::Right); });
    game.input("down Enter", [&] { game.simulated.program.play().keyDown(play::Key::Enter); });
    game.frames(30);
    game.input("answer ok", [&] { game.simulated.boxes.answer(true); });
    game.frames(10);
    game.input("down E", [&] { game.simulated.program.play().keyDown(play::Key::GiveUp); });
    game.frames(20);
    ASSERT_TRUE(game.simulated.boxes.isOpen()) << "the game-over question";
    game.input("answer ok", [&] { game.simulated.boxes.answer(true); });
    game.frames(5);
    ASSERT_EQ(game.pacer.skippedMs(), 0);

    EventLog replayed;
    simulate::Simulation simulation(replayed.file());
    std::istringstream script(game.recorder.script(game.simulated.clock.nowMs()));
    ASSERT_EQ(simulation.run(script), simulate::Simulation::kExitOk);
    EXPECT_EQ(linesOf(replayed), linesOf(game.log));
    EXPECT_GT(game.log.only("tick").size(), 40u);
    EXPECT_EQ(game.log.only("gameover").size(), 1u);
}

TEST(RealTimePacer, TicksComeOnTheirOwnMillisecondsHoweverTheFramesFall) {
    PacedGame game;
    game.input("click play", [&] { game.simulated.program.title().play(); });
    game.frames(200);
    const auto ticks = game.log.only("tick");
    ASSERT_GT(ticks.size(), 30u);
    for (std::size_t i = 1; i < ticks.size(); ++i) EXPECT_EQ(ticks[i].t() - ticks[i - 1].t(), 51) << i;
}

TEST(RealTimePacer, ALongGapCatchesUpNoMoreThanTenTicks) {
    PacedGame game;
    game.input("click play", [&] { game.simulated.program.title().play(); });
    game.frames(10);
    const std::size_t before = game.log.count();
    const std::int64_t gapMs = 60'000;
    game.realMs += gapMs;
    game.pacer.catchUp(game.realMs);
    EXPECT_LE(game.ticksSince(before), 10);
    EXPECT_GE(game.ticksSince(before), 9);
    EXPECT_EQ(game.simulated.clock.nowMs(), kClockStartMs + game.realMs) << "the clock itself keeps real time";
    EXPECT_GT(game.pacer.skippedMs(), gapMs - sim::RealTimePacer::kMaxCatchUpMs - 40);
}

TEST(RealTimePacer, HeldTimePassesWithoutEventsAndNoneAreMadeUp) {
    PacedGame game;
    game.input("click play", [&] { game.simulated.program.title().play(); });
    game.frames(10);
    game.input("down Enter", [&] { game.simulated.program.play().keyDown(play::Key::Enter); });
    const std::size_t before = game.log.count();
    game.realMs += 5'000;
    game.pacer.catchUp(game.realMs);
    EXPECT_EQ(game.ticksSince(before), 0);
    EXPECT_EQ(game.pacer.skippedMs(), 0) << "held time is not skipped time";
    game.simulated.boxes.answer(true);
    game.frames(3);
    EXPECT_LE(game.ticksSince(before), 2);
}

} // namespace
} // namespace zol::test
