#include "platform/sdl/TunePlayer.h"

#include <utility>

namespace zol {

// The songs to free are moved out under the lock and freed after it, when
// the locals declared before the lock go.
void TunePlayer::start(MidiSong song) {
    auto fresh = std::make_unique<MidiSong>(std::move(song));
    Garbage garbage;
    std::unique_ptr<MidiSong> replaced;
    std::lock_guard lock(mailMutex_);
    garbage.swap(retired_);
    replaced = std::move(orders_.start);
    orders_.start = std::move(fresh);
    orders_.rewind = false;
}

void TunePlayer::rewind() {
    std::lock_guard lock(mailMutex_);
    // A song about to start starts at the top anyway.
    if (!orders_.start) orders_.rewind = true;
}

void TunePlayer::stop() {
    Garbage garbage;
    std::unique_ptr<MidiSong> replaced;
    std::lock_guard lock(mailMutex_);
    garbage.swap(retired_);
    replaced = std::move(orders_.start);
    orders_.stop = true;
    orders_.rewind = false;
}

bool TunePlayer::isPlaying() const {
    std::lock_guard lock(mailMutex_);
    if (orders_.start) return true;
    if (orders_.stop) return false;
    return playing_;
}

void TunePlayer::attachSynth(fluid_synth_t* synth) {
    std::lock_guard lock(mailMutex_);
    orders_.attach = true;
    orders_.synth = synth;
}

void TunePlayer::mixHook(void* self, std::uint8_t* stream, int bytes) {
    constexpr int kBytesPerFrame = 2 * sizeof(std::int16_t);
    auto& player = *static_cast<TunePlayer*>(self);
    player.takeOrders();
    auto done = player.sequencer_.render(reinterpret_cast<std::int16_t*>(stream), bytes / kBytesPerFrame);
    if (done) {
        std::lock_guard lock(player.mailMutex_);
        player.putAway(std::move(done));
    }
    player.playing_ = player.sequencer_.countsAsPlaying();
}

// Orders apply in the one order that makes sense of any mix of them: what
// was playing stops, then the new song starts, then a rewind.
void TunePlayer::takeOrders() {
    std::lock_guard lock(mailMutex_);
    if (orders_.attach) sequencer_.attach(orders_.synth);
    if (orders_.stop) putAway(sequencer_.stop());
    if (orders_.start) putAway(sequencer_.start(std::move(orders_.start)));
    if (orders_.rewind) sequencer_.rewind();
    orders_ = Orders{};
    playing_ = sequencer_.countsAsPlaying();
}

void TunePlayer::putAway(std::unique_ptr<MidiSong> song) {
    if (!song) return;
    for (auto& slot : retired_) {
        if (!slot) {
            slot = std::move(song);
            return;
        }
    }
    // The game thread empties the slots with every order it gives, and each
    // order lets go of one song at most, so they never all fill up; were
    // they to, the song would be freed here after all.
}

} // namespace zol
