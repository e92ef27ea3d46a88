#include "platform/sdl/TuneSequencer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace zol {

void TuneSequencer::attach(fluid_synth_t* synth) {
    synth_ = synth;
    attached_ = true;
}

std::unique_ptr<MidiSong> TuneSequencer::start(std::unique_ptr<MidiSong> song) {
    if (song_ && !finished_ && closing_) {
        // The old tune is in its last moments: the new one begins on its
        // final bar line.
        std::swap(queued_, song);
        return song;
    }
    std::swap(song_, song);
    restartAtTop();
    return song;
}

std::unique_ptr<MidiSong> TuneSequencer::stop() {
    auto dropped = std::move(queued_);
    if (advancing() && inLastMoments()) {
        closing_ = true;
        return dropped;
    }
    releaseNotes();
    finished_ = true;
    closing_ = false;
    return song_ ? std::move(song_) : std::move(dropped);
}

void TuneSequencer::rewind() {
    if (song_ && !finished_ && !closing_) restartAtTop();
}

bool TuneSequencer::countsAsPlaying() const {
    if (queued_) return true;
    if (!song_ || finished_ || closing_) return false;
    return !attached_ || !inLastMoments();
}

std::unique_ptr<MidiSong> TuneSequencer::render(std::int16_t* frames, int count) {
    std::unique_ptr<MidiSong> done;
    int made = 0;
    while (made < count) {
        std::int64_t span = count - made;
        if (advancing()) {
            const auto& events = song_->events;
            while (nextEvent_ < events.size() && frameOf(events[nextEvent_].timeUs) <= positionFrames_) {
                send(events[nextEvent_++]);
            }
            const std::int64_t endFrame = frameOf(song_->lengthUs);
            if (positionFrames_ >= endFrame) {
                // A file may leave notes sounding at its end; nothing hangs
                // into the next round.
                releaseNotes();
                closing_ = false;
                finished_ = !queued_;
                if (queued_) {
                    done = std::move(song_);
                    song_ = std::move(queued_);
                    restartAtTop();
                }
                continue;
            }
            std::int64_t until = endFrame;
            if (nextEvent_ < events.size()) until = std::min(until, frameOf(events[nextEvent_].timeUs));
            span = std::min(span, until - positionFrames_);
            positionFrames_ += span;
        }
        synthesize(frames + 2 * made, static_cast<int>(span));
        made += static_cast<int>(span);
    }
    return done;
}

void TuneSequencer::synthesize(std::int16_t* frames, int count) {
    if (synth_) {
        fluid_synth_write_s16(synth_, count, frames, 0, 2, frames, 1, 2);
    } else {
        std::memset(frames, 0, sizeof(std::int16_t) * 2 * count);
    }
}

void TuneSequencer::send(const MidiEvent& event) {
    if (!synth_) return;
    const int channel = event.status & 0x0F;
    switch (event.status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth_, channel, event.data1); break;
    case 0x90: fluid_synth_noteon(synth_, channel, event.data1, event.data2); break;
    case 0xA0: fluid_synth_key_pressure(synth_, channel, event.data1, event.data2); break;
    case 0xB0: fluid_synth_cc(synth_, channel, event.data1, event.data2); break;
    case 0xC0: fluid_synth_program_change(synth_, channel, event.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, channel, event.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, channel, event.data1 | (event.data2 << 7)); break;
    default: break;
    }
}

void TuneSequencer::releaseNotes() {
    if (synth_) fluid_synth_all_notes_off(synth_, -1);
}

void TuneSequencer::restartAtTop() {
    positionFrames_ = 0;
    nextEvent_ = 0;
    finished_ = false;
    closing_ = false;
    releaseNotes();
}

bool TuneSequencer::inLastMoments() const {
    return positionFrames_ >= frameOf(song_->lengthUs - kLoopLeadMs * 1000);
}

} // namespace zol
