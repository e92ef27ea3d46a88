// How many processed ticks a second the game's rules alone run on one core:
// the tick itself, and the tick driven through the simulation's timers.
#include "play/GameStart.h"
#include "play/PlayTick.h"
#include "simulate/Simulation.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <random>

using namespace zol;

namespace {

class Silent : public play::TickEffects {
public:
    void playCrushCue() override {}
    void playLevelUpCue() override {}
    void startBannerTimer() override {}
    void keepTunePlaying() override {}
    void gameOver() override {}
};

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The bare tick, with random keys; a game that ends starts afresh.
double bareTicksPerSecond(int ticks) {
    play::GameState s;
    play::PlayControls c = play::PlayControls::designed();
    BestScores best;
    play::HeldKeys held;
    Rnd rnd;
    Silent effects;
    std::mt19937 keys(1);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) {
        if (s.meteorsLeft < 0 || i == 0) {
            s = play::GameState{};
            play::startGame(s, c);
        }
        if ((i & 15) == 0) {
            const unsigned k = keys();
            held.left = k & 1;
            held.right = (k >> 1) & 1;
            held.down = (k >> 2) & 1;
        }
        play::runTick(s, c, best, held, rnd, effects);
    }
    return ticks / seconds(std::chrono::steady_clock::now() - start);
}

// The whole program on the simulated platform: timers every virtual
// millisecond, the gate, the banner; no events written.
double simulatedTicksPerSecond(int ticks) {
    simulate::Simulation sim(nullptr);
    sim.program().start();
    sim.execute({simulate::Command::Kind::Click, 0, "play", {}});
    sim.execute({simulate::Command::Kind::Down, 0, {}, {}, play::Key::Down});
    const auto start = std::chrono::steady_clock::now();
    int done = 0;
    while (done < ticks) {
        const auto before = sim.program().play().processedTicks();
        sim.execute({simulate::Command::Kind::Ticks, 1000, {}, {}});
        done += static_cast<int>(sim.program().play().processedTicks() - before);
        if (!sim.program().play().tickTimerEnabled()) {
            sim.execute({simulate::Command::Kind::Wait, 60, {}, {}});
            sim.execute({simulate::Command::Kind::Answer, 0, "ok", {}});
            sim.execute({simulate::Command::Kind::Click, 0, "play", {}});
        }
    }
    return done / seconds(std::chrono::steady_clock::now() - start);
}

} // namespace

int main() {
    bareTicksPerSecond(100'000);  // warm up
    std::printf("tick alone:          %.2f million ticks/s\n", bareTicksPerSecond(5'000'000) / 1e6);
    std::printf("through simulation:  %.2f million ticks/s\n", simulatedTicksPerSecond(500'000) / 1e6);
}
