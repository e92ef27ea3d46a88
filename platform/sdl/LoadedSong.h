#pragma once

#include "platform/sdl/MidiSong.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace zol {

// A song rendered ahead into memory, 16-bit stereo: one round, then the
// ring-out that sounds after its end (notes releasing, reverb), which the
// next round plays over its own beginning.
struct RenderedTune {
    std::vector<std::int16_t> samples;
    std::int64_t roundFrames = 0;

    std::int64_t frames() const { return static_cast<std::int64_t>(samples.size() / 2); }
};

// A tune file's song as read, and its rendering once a background thread
// has made it. The audio thread reads the rendering without a lock: it is
// published once, complete, and never changes afterwards.
class LoadedSong {
public:
    explicit LoadedSong(MidiSong song) : song_(std::move(song)) {}
    LoadedSong(const LoadedSong&) = delete;
    LoadedSong& operator=(const LoadedSong&) = delete;

    const MidiSong& song() const { return song_; }
    const RenderedTune* rendering() const { return rendering_.load(std::memory_order_acquire); }
    // Once, from the thread that rendered it.
    void publish(std::unique_ptr<RenderedTune> rendering) {
        storage_ = std::move(rendering);
        rendering_.store(storage_.get(), std::memory_order_release);
    }

private:
    MidiSong song_;
    std::unique_ptr<RenderedTune> storage_;
    std::atomic<const RenderedTune*> rendering_{nullptr};
};

using SongRef = std::shared_ptr<const LoadedSong>;

} // namespace zol
