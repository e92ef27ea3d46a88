#pragma once

#include "platform/sdl/MidiSong.h"

#include <cstddef>
#include <cstdint>
#include <memory>

typedef struct _fluid_synth_t fluid_synth_t;

namespace zol {

// Sends a song's messages to FluidSynth at their exact samples and renders
// the result. Lives on the audio thread alone: no locks, no allocation, and
// every song it lets go of is handed back for the game thread to free.
class TuneSequencer {
public:
    // The tune counts as ended this long before its last bar is out, so the
    // game (which looks every 51 ms tick) restarts it in time to begin
    // exactly where the old one ends: the loop has no gap.
    static constexpr int kLoopLeadMs = 150;

    explicit TuneSequencer(int sampleRateHz) : sampleRateHz_(sampleRateHz) {}

    // Songs wait until there is a synthesizer, or word that there is none:
    // then they run their course in silence.
    void attach(fluid_synth_t* synth);
    [[nodiscard]] std::unique_ptr<MidiSong> start(std::unique_ptr<MidiSong> song);
    [[nodiscard]] std::unique_ptr<MidiSong> stop();
    void rewind();
    bool countsAsPlaying() const;
    [[nodiscard]] std::unique_ptr<MidiSong> render(std::int16_t* frames, int count);

private:
    void synthesize(std::int16_t* frames, int count);
    void send(const MidiEvent& event);
    void releaseNotes();
    void restartAtTop();
    bool inLastMoments() const;
    std::int64_t frameOf(std::int64_t timeUs) const { return timeUs * sampleRateHz_ / 1'000'000; }
    bool advancing() const { return song_ && !finished_ && attached_; }

    const int sampleRateHz_;
    fluid_synth_t* synth_ = nullptr;
    bool attached_ = false;
    std::unique_ptr<MidiSong> song_;
    // The song that follows once the closing one has rung out.
    std::unique_ptr<MidiSong> queued_;
    std::int64_t positionFrames_ = 0;
    std::size_t nextEvent_ = 0;
    bool finished_ = false;
    bool closing_ = false;
};

} // namespace zol
