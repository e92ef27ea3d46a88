#pragma once

#include "platform/sdl/LoadedSong.h"
#include "platform/sdl/SongOutbox.h"
#include "platform/sdl/TuneSequencer.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>

namespace zol {

// The tune player between the game thread and the audio thread. The game
// thread only leaves orders in a mailbox and never waits for the audio
// thread; the mixer's music hook picks the orders up before each buffer it
// renders. Songs the audio thread is done with wait in the mailbox for the
// game thread to free, so audio never frees memory.
class TunePlayer {
public:
    static constexpr int kLoopLeadMs = TuneSequencer::kLoopLeadMs;

    explicit TunePlayer(int sampleRateHz) : sequencer_(sampleRateHz) {}
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    // From the game thread. Songs let go of by the audio thread are freed
    // by whichever of these comes next.
    void start(SongRef song);
    void rewind();
    void stop();
    bool isPlaying() const;
    // Nothing plays live and nothing rings in the synthesizer.
    bool synthIdle() const { return !needsSynth_; }

    // From the thread that owns the synthesizer. Songs without a rendering
    // wait until a synthesizer is attached, or null to let them run their
    // course in silence.
    void attachSynth(fluid_synth_t* synth);
    // Takes the synthesizer away; true once the audio thread can no longer
    // touch it, false when it did not answer within `timeout`.
    bool detachSynth(std::chrono::milliseconds timeout);

    // The SDL_mixer music hook; `self` is the player, `stream` 16-bit stereo.
    static void mixHook(void* self, std::uint8_t* stream, int bytes);

private:
    enum class SynthChange { None, Attach, Detach };
    struct Orders {
        SynthChange synthChange = SynthChange::None;
        fluid_synth_t* synth = nullptr;
        bool stop = false;
        SongRef start;
        bool rewind = false;
    };

    void takeOrders();
    SongOutbox::Slots takeRetired();

    mutable std::mutex mailMutex_;
    Orders orders_;
    SongOutbox retired_;
    std::atomic<bool> playing_{false};
    std::atomic<bool> needsSynth_{false};
    // Counts the buffers the hook has finished.
    std::atomic<std::uint64_t> hookRuns_{0};
    TuneSequencer sequencer_;
};

} // namespace zol
