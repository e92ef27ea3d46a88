#pragma once

#include "platform/sdl/LoadedSong.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace zol {

// Renders a song ahead, the way the player would play it live on a fresh
// synthesizer, sample for sample: one round and its ring-out.
class TuneRenderer {
public:
    // After its last voice the reverb has died away within this, and the
    // ring-out is cut here.
    static constexpr int kRingOutMs = 2000;
    // The most the rendering of one tune may take: 12 MiB. A longer tune
    // plays live.
    static constexpr std::int64_t kMaxBytes = std::int64_t{12} << 20;

    // Null when the song is too long, no sound font loads, or `giveUp`
    // turned true on the way.
    static std::unique_ptr<RenderedTune> render(const SongRef& song, const std::vector<std::string>& soundFonts,
                                                int sampleRateHz, const std::atomic<bool>& giveUp);
};

} // namespace zol
