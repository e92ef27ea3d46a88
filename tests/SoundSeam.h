#pragma once

#include "platform/sdl/TunePlayer.h"
#include "tests/SoundMixHook.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zol::test {

// Plays `rounds` rounds the way the game does (restarting the tune as soon
// as it no longer counts as playing), then a second more.
inline std::vector<std::int16_t> playRounds(TunePlayer& player, const SongRef& song, int rounds, int rateHz) {
    std::vector<std::int16_t> out;
    player.start(song);
    for (int started = 1;;) {
        const auto more = mixFrames(player, 512);
        out.insert(out.end(), more.begin(), more.end());
        if (player.isPlaying()) continue;
        if (started++ == rounds) break;
        player.stop();
        player.start(song);
    }
    const auto after = mixFrames(player, rateHz);
    out.insert(out.end(), after.begin(), after.end());
    return out;
}

// How a loop compares with a reference around its seam, from 0.1 s before
// to 1 s after: the largest difference of level in windows of `windowMs`
// (where the reference is above -60 dBFS), and the level of the difference
// under the level of the reference, both in dB.
struct SeamComparison {
    double worstLevelDb = 0.0;
    double differenceDb = 0.0;
};

inline SeamComparison compareSeams(const std::vector<std::int16_t>& loop, const std::vector<std::int16_t>& reference,
                                   std::size_t seamFrame, int rateHz, int windowMs) {
    const auto window = static_cast<std::size_t>(rateHz * windowMs / 1000);
    const std::size_t before = rateHz / 10;
    const std::size_t after = rateHz;
    const auto levelDb = [&](const std::vector<std::int16_t>& stereo, std::size_t from) {
        double sum = 0.0;
        for (std::size_t i = 2 * from; i < 2 * (from + window); ++i) sum += static_cast<double>(stereo[i]) * stereo[i];
        return 10.0 * std::log10(sum / (2.0 * window) / (32768.0 * 32768.0) + 1e-12);
    };
    SeamComparison result;
    double difference = 0.0;
    double sound = 0.0;
    for (std::size_t at = seamFrame - before; at + window <= seamFrame + after; at += window) {
        if (levelDb(reference, at) > -60.0) {
            result.worstLevelDb = std::max(result.worstLevelDb, std::abs(levelDb(loop, at) - levelDb(reference, at)));
        }
        for (std::size_t i = 2 * at; i < 2 * (at + window); ++i) {
            difference += std::pow(static_cast<double>(loop[i]) - reference[i], 2);
            sound += std::pow(static_cast<double>(reference[i]), 2);
        }
    }
    result.differenceDb = 10.0 * std::log10(difference / sound);
    return result;
}

} // namespace zol::test
