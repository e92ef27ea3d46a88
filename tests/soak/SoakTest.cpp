// A million ticks of random play, checking after every tick what must
// always hold. Random keys, now and then a time-out or giving up; every game
// over is answered with OK and a new game is started from the title screen.
#include "simulate/Simulation.h"
#include "tests/soak/TickInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zol::test {
namespace {

using Kind = simulate::Command::Kind;

constexpr std::uint64_t kTicks = 1'000'000;
constexpr play::Key kArrows[] = {play::Key::Left, play::Key::Right, play::Key::Down};

class RandomPlayer {
public:
    explicit RandomPlayer(simulate::Simulation& sim) : sim_(sim) {}

    // Runs a command that must be possible now.
    void run(Kind kind, std::int64_t number = 0, std::string word = {}) {
        const std::string error = sim_.execute(simulate::Command{kind, number, std::move(word), {}});
        ASSERT_EQ(error, "") << "command " << static_cast<int>(kind) << " " << number;
    }
    void press(Kind kind, play::Key key) {
        const std::string error = sim_.execute(simulate::Command{kind, 0, {}, {}, key});
        ASSERT_EQ(error, "") << "key command " << static_cast<int>(kind) << " " << static_cast<int>(key);
    }

    // What the player does between two ticks.
    void play() {
        const int roll = dice_(rng_);
        if (roll < 300) {
            press(roll % 2 ? Kind::Down : Kind::Up, kArrows[roll % 3]);
        } else if (roll == 300) {
            press(Kind::Down, play::Key::Enter);
            run(Kind::Wait, roll % 7 * 40);
            run(Kind::Answer, 0, "ok");
        } else if (roll < 304) {
            press(Kind::Down, play::Key::GiveUp);
        }
    }

private:
    simulate::Simulation& sim_;
    std::mt19937 rng_{20240611};
    std::uniform_int_distribution<int> dice_{0, 9999};
};

TEST(Soak, AMillionTicksOfRandomPlayKeepEveryRuleOfTheTick) {
    simulate::Simulation sim(nullptr);
    Program& program = sim.program();
    PlayScreen& screen = program.play();
    RandomPlayer player(sim);
    TickInvariants invariants;
    program.start();

    std::uint64_t games = 0, multiCrushTicks = 0;
    std::int32_t bestLevel = 0, bestCombo = 0;
    while (screen.processedTicks() < kTicks) {
        if (!program.isLoaded(ScreenId::Play)) {
            player.run(Kind::Click, 0, "play");
            invariants.newGame(screen);
            ++games;
        }
        player.play();
        invariants.before(screen, program.best());
        player.run(Kind::Ticks, 1);
        const auto broken = invariants.after(screen, program.best());
        ASSERT_TRUE(broken.empty()) << "tick " << screen.processedTicks() << ": " << broken.front();

        int crushed = 0;
        for (int i = 1; i <= 6; ++i) crushed += screen.state().walkFrame[i] == 40;
        multiCrushTicks += crushed > 1;
        bestLevel = std::max(bestLevel, screen.state().level);
        bestCombo = std::max(bestCombo, screen.state().combo);

        if (!screen.tickTimerEnabled()) {
            player.run(Kind::Wait, 50);
            player.run(Kind::Answer, 0, "ok");
        }
    }
    RecordProperty("games", static_cast<int>(games));
    RecordProperty("bestLevel", bestLevel);
    RecordProperty("bestCombo", bestCombo);
    RecordProperty("multiCrushTicks", static_cast<int>(multiCrushTicks));
    // The run went through many whole games and the interesting situations.
    EXPECT_GT(games, 100u);
    EXPECT_GE(bestLevel, 5);
    EXPECT_GE(bestCombo, 3);
    EXPECT_GT(multiCrushTicks, 0u);
    EXPECT_FALSE(program.ended());
}

} // namespace
} // namespace zol::test
