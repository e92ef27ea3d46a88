#include "tests/play/TickBench.h"

#include "play/GameStart.h"
#include "play/PlayTick.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

namespace zol::test {

TickBench::TickBench() {
    play::startGame(s, c);
    best.hiScore = kStartHiScore;
    // Far left, walking right: at 60 twips a tick they need more than thirty
    // ticks to come near the meteorite's column.
    for (int i = 1; i <= 6; ++i) placeWalker(i, 200 * i, 1, i % 2);
}

std::vector<std::string> TickBench::tick() {
    effects.calls.clear();
    play::runTick(s, c, best, keys, rnd, effects);
    return effects.calls;
}

void TickBench::placeWalker(int i, std::int32_t posX, std::int32_t dir, std::int32_t frame) {
    s.posX[i] = posX;
    s.walkDir[i] = dir;
    s.walkFrame[i] = frame;
    c.walker(i).box.left = static_cast<float>(posX);
}

void TickBench::walkerArrivesUnderMeteor(int i) { placeWalker(i, s.posX[0] - 60, 1, 0); }

float DocumentedDraws::next() {
    state_ = (state_ * 1140671485u + 12820163u) % (1u << 24);
    return static_cast<float>(static_cast<double>(state_) / 16777216.0);
}

std::int32_t DocumentedDraws::respawnPosX(float r) {
    return static_cast<std::int32_t>(std::trunc(static_cast<double>(r) * (8745.0 - 700.0)));
}

std::int32_t DocumentedDraws::half(float r) { return static_cast<std::int32_t>(std::trunc(static_cast<double>(r) * 2)); }

Respawn DocumentedDraws::nthRespawn(int n) {
    DocumentedDraws draws;
    Respawn r{};
    for (int k = 0; k < n; ++k) {
        r.posX = respawnPosX(draws.next());
        r.dir = half(draws.next());
        r.frame = half(draws.next());
    }
    return r;
}

void expectRespawned(const TickBench& bench, int i, int n) {
    const Respawn r = DocumentedDraws::nthRespawn(n);
    EXPECT_EQ(bench.s.posX[i], r.posX);
    EXPECT_EQ(bench.s.walkDir[i], r.dir);
    EXPECT_EQ(bench.s.walkFrame[i], r.frame);
    EXPECT_EQ(bench.c.walker(i).box.left, static_cast<float>(r.posX));
}

} // namespace zol::test
