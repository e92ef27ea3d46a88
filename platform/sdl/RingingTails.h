#pragma once

#include "platform/sdl/SongOutbox.h"

#include <array>
#include <cstdint>

namespace zol {

// What still sounds of rounds played from memory: the ring-out after a
// round's end, which lies over the next round's beginning just as the
// synthesizer's voices and reverb would, and the rest of a stopped round,
// faded out quickly so that stopping does not click.
class RingingTails {
public:
    explicit RingingTails(int sampleRateHz) : fadeFrames_(sampleRateHz * kStopFadeMs / 1000) {}

    static constexpr int kStopFadeMs = 30;

    // The rendering's ring-out begins now.
    void ringOut(SongRef song, SongOutbox& outbox);
    // The round stops at `frame`; what it was playing fades out, and so
    // does everything else still ringing.
    void fadeOut(SongRef song, std::int64_t frame, SongOutbox& outbox);
    bool any() const;
    // Adds the next `count` frames of every tail; tails that have ended
    // go to the outbox.
    void addTo(std::int16_t* frames, int count, SongOutbox& outbox);

private:
    struct Tail {
        SongRef song;
        std::int64_t at = 0;
        std::int64_t end = 0;
        // Frames left until silence when fading; -1 while not fading.
        std::int64_t fadeLeft = -1;
    };
    static constexpr std::size_t kTails = 4;

    void add(Tail tail, SongOutbox& outbox);

    const std::int64_t fadeFrames_;
    std::array<Tail, kTails> tails_;
};

} // namespace zol
