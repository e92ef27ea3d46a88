#pragma once

#include "platform/sdl/MidiSong.h"
#include "platform/sdl/TuneSequencer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace zol {

// The tune player between the game thread and the audio thread. The game
// thread only leaves orders in a mailbox and never waits for the
// synthesizer; the mixer's music hook picks the orders up before each
// buffer it renders. Songs the audio thread is done with wait in the
// mailbox for the game thread to free, so audio never frees memory.
class TunePlayer {
public:
    static constexpr int kLoopLeadMs = TuneSequencer::kLoopLeadMs;

    explicit TunePlayer(int sampleRateHz) : sequencer_(sampleRateHz) {}
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    // From the game thread.
    void start(MidiSong song);
    void rewind();
    void stop();
    bool isPlaying() const;

    // From the start-up thread, once: the synthesizer to play on, or null
    // to let songs run their course in silence. Songs wait until then.
    void attachSynth(fluid_synth_t* synth);

    // The SDL_mixer music hook; `self` is the player, `stream` 16-bit stereo.
    static void mixHook(void* self, std::uint8_t* stream, int bytes);

private:
    struct Orders {
        bool attach = false;
        fluid_synth_t* synth = nullptr;
        bool stop = false;
        std::unique_ptr<MidiSong> start;
        bool rewind = false;
    };
    using Garbage = std::array<std::unique_ptr<MidiSong>, 4>;

    void takeOrders();
    void putAway(std::unique_ptr<MidiSong> song);

    mutable std::mutex mailMutex_;
    Orders orders_;
    Garbage retired_;
    std::atomic<bool> playing_{false};
    TuneSequencer sequencer_;
};

} // namespace zol
