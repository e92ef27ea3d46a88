#pragma once

// What the sound tests wait for on the sound device's own thread. A loaded
// machine plays late, never early: a test waits until what it checks has
// happened, with a generous deadline, and bounds how soon it happened
// rather than how late.
#include "platform/sdl/SdlSoundDevice.h"

#include <chrono>
#include <optional>
#include <thread>

namespace zol::test {

constexpr auto kSoundDeadline = std::chrono::seconds(20);

// How long after `since` the channel stopped counting as playing; nullopt
// if it still plays at the deadline.
inline std::optional<std::chrono::milliseconds> playsUntil(const SdlSoundDevice& device, Channel channel,
                                                           std::chrono::steady_clock::time_point since) {
    while (device.isPlaying(channel)) {
        if (std::chrono::steady_clock::now() - since > kSoundDeadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since);
}

} // namespace zol::test
