#pragma once

#include "platform/sdl/LoadedSong.h"
#include "platform/sdl/RingingTails.h"
#include "platform/sdl/SongOutbox.h"
#include "platform/sdl/SynthOutput.h"

#include <cstddef>
#include <cstdint>

typedef struct _fluid_synth_t fluid_synth_t;

namespace zol {

// Plays songs at their exact samples: from their rendering when there is
// one, else live, sending their messages to FluidSynth. A song that starts
// live moves to its rendering as soon as that is ready, mid-round when the
// synthesizer began the round fresh (the rendering is then the very same
// sound), else at the next round. Lives on the audio thread alone: no locks,
// no allocation, and every song it lets go of goes to its outbox.
class TuneSequencer {
public:
    // The tune counts as ended this long before its last bar is out, so the
    // game (which looks every 51 ms tick) restarts it in time to begin
    // exactly where the old one ends: the loop has no gap.
    static constexpr int kLoopLeadMs = 150;

    // How many frames one round of `song` lasts.
    static std::int64_t roundFrames(const MidiSong& song, int sampleRateHz) {
        return song.lengthUs * sampleRateHz / 1'000'000;
    }

    explicit TuneSequencer(int sampleRateHz) : sampleRateHz_(sampleRateHz), live_(sampleRateHz), tails_(sampleRateHz) {}

    // Songs without a rendering wait until there is a synthesizer, or word
    // that there is none: then they run their course in silence.
    void attach(fluid_synth_t* synth);
    // The synthesizer goes; songs without a rendering wait again.
    void detach();
    void start(SongRef song);
    void stop();
    void rewind();
    bool countsAsPlaying() const;
    // A song plays live or the synthesizer still rings.
    bool needsSynth() const;
    bool fromMemory() const { return song_ && !finished_ && fromMemory_; }
    void render(std::int16_t* frames, int count);
    SongOutbox& outbox() { return outbox_; }

private:
    void moveToMemoryWhenReady();
    void produce(std::int16_t* frames, int count, bool advancing);
    void endRound();
    void cut();
    void send(const MidiEvent& event);
    void releaseNotes();
    void restartAtTop();
    bool inLastMoments() const;
    std::int64_t frameOf(std::int64_t timeUs) const { return timeUs * sampleRateHz_ / 1'000'000; }
    bool advancing() const { return song_ && !finished_ && (fromMemory_ || attached_); }

    const int sampleRateHz_;
    SynthOutput live_;
    bool attached_ = false;
    SongRef song_;
    // The song that follows once the closing one has rung out.
    SongRef queued_;
    std::int64_t positionFrames_ = 0;
    std::size_t nextEvent_ = 0;
    bool finished_ = false;
    bool closing_ = false;
    bool fromMemory_ = false;
    // The synthesizer held nothing else when this round began live.
    bool freshStart_ = false;
    RingingTails tails_;
    SongOutbox outbox_;
};

} // namespace zol
