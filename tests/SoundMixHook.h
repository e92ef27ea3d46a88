#pragma once

#include "platform/sdl/TunePlayer.h"

#include <cstdint>
#include <vector>

namespace zol::test {

// Runs the tune player as the mixer would, in 512-frame buffers, and keeps
// what it made: 16-bit stereo, interleaved.
inline std::vector<std::int16_t> mixFrames(TunePlayer& player, int frames) {
    constexpr int kBufferFrames = 512;
    std::vector<std::int16_t> out(2 * static_cast<std::size_t>(frames));
    for (int done = 0; done < frames; done += kBufferFrames) {
        const int count = std::min(kBufferFrames, frames - done);
        TunePlayer::mixHook(&player, reinterpret_cast<std::uint8_t*>(out.data() + 2 * done), 4 * count);
    }
    return out;
}

inline std::vector<std::int16_t> leftOf(const std::vector<std::int16_t>& stereo) {
    std::vector<std::int16_t> left(stereo.size() / 2);
    for (std::size_t i = 0; i < left.size(); ++i) left[i] = stereo[2 * i];
    return left;
}

} // namespace zol::test
