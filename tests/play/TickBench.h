#pragma once

#include "runtime/Rnd.h"
#include "play/GameState.h"
#include "play/PlayControls.h"
#include "play/PlayTick.h"
#include "play/HeldKeys.h"
#include "store/BestScores.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zol::test {

// Remembers what a tick asked of the screen around it, in order.
class RecordingEffects : public play::TickEffects {
public:
    void playCrushCue() override { calls.push_back("crush"); }
    void playLevelUpCue() override { calls.push_back("levelup"); }
    void startBannerTimer() override { calls.push_back("banner"); }
    void keepTunePlaying() override { calls.push_back("music"); }
    void gameOver() override { calls.push_back("gameover"); }

    std::vector<std::string> calls;
};

// A game as game start leaves it, on the controls as designed, with the
// walkers parked where the meteorite cannot reach them for a while: every
// one walking right along the left part of the ground. Tests then set up
// the exact situation they need and run real ticks on it.
class TickBench {
public:
    static constexpr std::int32_t kMeteorStartTw = 4372;  // half of the outer width 8745, to even
    static constexpr std::int32_t kStartHiScore = 1000;   // what an empty store loads

    TickBench();

    // One processed tick, and what it asked for.
    std::vector<std::string> tick();

    // Puts walker i at `posX` (its image there too), walking in `dir`, at `frame`.
    void placeWalker(int i, std::int32_t posX, std::int32_t dir, std::int32_t frame);
    // Puts walker i so that this tick's step at walkSpeed 1 brings its left
    // edge right under the meteorite's (its middle under the meteorite's).
    void walkerArrivesUnderMeteor(int i);
    // The meteorite at a height where its middle lies within the walkers'.
    void meteorAtCrushHeight() { s.meteorY = 4700; }

    play::GameState s;
    play::PlayControls c = play::PlayControls::designed();
    BestScores best;
    play::HeldKeys keys;
    Rnd rnd;
    RecordingEffects effects;
};

// Where a respawn puts a walker.
struct Respawn {
    std::int32_t posX, dir, frame;
};

// The forms runtime's generator, computed from its formula: state starts at
// 327680; each draw sets state = (state x 1140671485 + 12820163) mod 2^24 and
// gives state / 2^24 in single precision.
class DocumentedDraws {
public:
    float next();
    // Where a respawn puts a walker for one draw: trunc(r x (8745 - 700)).
    static std::int32_t respawnPosX(float r);
    static std::int32_t half(float r);  // trunc(r x 2)
    // The n-th respawn of a run (from 1), three draws each.
    static Respawn nthRespawn(int n);

private:
    std::uint64_t state_ = 327680;
};

// Walker i stands where the n-th respawn of the run put it.
void expectRespawned(const TickBench& bench, int i, int n);

} // namespace zol::test
