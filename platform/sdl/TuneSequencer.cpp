#include "platform/sdl/TuneSequencer.h"

#include "platform/sdl/SynthMessages.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace zol {

void TuneSequencer::attach(fluid_synth_t* synth) {
    live_.attach(synth);
    attached_ = true;
}

void TuneSequencer::detach() {
    live_.attach(nullptr);
    attached_ = false;
}

void TuneSequencer::start(SongRef song) {
    if (song_ && !finished_ && closing_) {
        // The old tune is in its last moments: the new one begins on its
        // final bar line.
        outbox_.put(std::move(queued_));
        queued_ = std::move(song);
        return;
    }
    outbox_.put(std::move(queued_));
    cut();
    song_ = std::move(song);
    restartAtTop();
}

void TuneSequencer::stop() {
    outbox_.put(std::move(queued_));
    if (advancing() && inLastMoments()) {
        closing_ = true;
        return;
    }
    cut();
}

// Ends the round where it stands: live notes are released, a round from
// memory fades out.
void TuneSequencer::cut() {
    if (advancing() && fromMemory_) tails_.fadeOut(song_, positionFrames_, outbox_);
    releaseNotes();
    finished_ = true;
    closing_ = false;
    outbox_.put(std::move(song_));
}

void TuneSequencer::rewind() {
    if (song_ && !finished_ && !closing_) {
        if (fromMemory_ && positionFrames_ > 0) tails_.fadeOut(song_, positionFrames_, outbox_);
        restartAtTop();
    }
}

bool TuneSequencer::countsAsPlaying() const {
    if (queued_) return true;
    if (!song_ || finished_ || closing_) return false;
    return !advancing() || !inLastMoments();
}

bool TuneSequencer::needsSynth() const {
    const bool liveSong = song_ && !finished_ && !fromMemory_;
    const bool liveNext = queued_ && !queued_->rendering();
    return liveSong || liveNext || live_.ringing();
}

void TuneSequencer::render(std::int16_t* frames, int count) {
    moveToMemoryWhenReady();
    int made = 0;
    while (made < count) {
        std::int64_t span = count - made;
        const bool moving = advancing();
        if (moving) {
            const auto& events = song_->song().events;
            while (!fromMemory_ && nextEvent_ < events.size() &&
                   frameOf(events[nextEvent_].timeUs) <= positionFrames_) {
                send(events[nextEvent_++]);
            }
            const std::int64_t endFrame = roundFrames(song_->song(), sampleRateHz_);
            if (positionFrames_ >= endFrame) {
                endRound();
                continue;
            }
            std::int64_t until = endFrame;
            if (!fromMemory_ && nextEvent_ < events.size()) until = std::min(until, frameOf(events[nextEvent_].timeUs));
            span = std::min(span, until - positionFrames_);
        }
        produce(frames + 2 * made, static_cast<int>(span), moving);
        if (moving) positionFrames_ += span;
        made += static_cast<int>(span);
    }
}

// The round sounds from memory, live, or not at all; the synthesizer adds
// whatever still rings in it, and earlier rounds their tails.
void TuneSequencer::produce(std::int16_t* frames, int count, bool advancing) {
    if (advancing && fromMemory_) {
        const auto& samples = song_->rendering()->samples;
        std::memcpy(frames, samples.data() + 2 * positionFrames_, sizeof(std::int16_t) * 2 * count);
    } else {
        std::memset(frames, 0, sizeof(std::int16_t) * 2 * count);
    }
    if ((advancing && !fromMemory_) || live_.ringing()) live_.addTo(frames, count);
    tails_.addTo(frames, count, outbox_);
}

void TuneSequencer::moveToMemoryWhenReady() {
    if (!song_ || finished_ || fromMemory_ || !song_->rendering()) return;
    if (positionFrames_ > 0 && !freshStart_) return;
    // Nothing of this round has been heard yet, or everything the
    // synthesizer holds belongs to it and sounds the same from memory.
    if (positionFrames_ > 0) live_.silence();
    fromMemory_ = true;
}

void TuneSequencer::endRound() {
    // A file may leave notes sounding at its end; they ring out under the
    // next round but do not hang on in it.
    releaseNotes();
    if (fromMemory_) tails_.ringOut(song_, outbox_);
    closing_ = false;
    if (queued_) {
        outbox_.put(std::move(song_));
        song_ = std::move(queued_);
        restartAtTop();
    } else {
        finished_ = true;
    }
}

void TuneSequencer::send(const MidiEvent& event) {
    if (!live_.synth()) return;
    live_.wake();
    sendToSynth(live_.synth(), event);
}

void TuneSequencer::releaseNotes() {
    if (live_.synth()) fluid_synth_all_notes_off(live_.synth(), -1);
}

void TuneSequencer::restartAtTop() {
    positionFrames_ = 0;
    nextEvent_ = 0;
    finished_ = false;
    closing_ = false;
    releaseNotes();
    fromMemory_ = song_ && song_->rendering();
    freshStart_ = !fromMemory_ && live_.untouched();
}

bool TuneSequencer::inLastMoments() const {
    return positionFrames_ >= frameOf(song_->song().lengthUs - kLoopLeadMs * 1000);
}

} // namespace zol
