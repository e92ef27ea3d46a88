#include "platform/sdl/TunePlayer.h"

#include <thread>
#include <utility>

namespace zol {

// The songs to free are moved out under the lock and freed after it, when
// the locals declared before the lock go.
void TunePlayer::start(SongRef song) {
    SongOutbox::Slots garbage;
    SongRef replaced;
    std::lock_guard lock(mailMutex_);
    garbage = retired_.take();
    replaced = std::move(orders_.start);
    orders_.start = std::move(song);
    orders_.rewind = false;
}

void TunePlayer::rewind() {
    std::lock_guard lock(mailMutex_);
    // A song about to start starts at the top anyway.
    if (!orders_.start) orders_.rewind = true;
}

void TunePlayer::stop() {
    SongOutbox::Slots garbage;
    SongRef replaced;
    std::lock_guard lock(mailMutex_);
    garbage = retired_.take();
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
    orders_.synthChange = SynthChange::Attach;
    orders_.synth = synth;
}

bool TunePlayer::detachSynth(std::chrono::milliseconds timeout) {
    std::uint64_t runsBefore = 0;
    {
        std::lock_guard lock(mailMutex_);
        orders_.synthChange = SynthChange::Detach;
        orders_.synth = nullptr;
        runsBefore = hookRuns_;
    }
    // A buffer under way may still use the synthesizer; the one after it
    // takes the order first.
    constexpr auto kPoll = std::chrono::milliseconds(5);
    for (auto waited = std::chrono::milliseconds(0); waited < timeout; waited += kPoll) {
        if (hookRuns_ >= runsBefore + 2) return true;
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

void TunePlayer::mixHook(void* self, std::uint8_t* stream, int bytes) {
    constexpr int kBytesPerFrame = 2 * sizeof(std::int16_t);
    auto& player = *static_cast<TunePlayer*>(self);
    player.takeOrders();
    player.sequencer_.render(reinterpret_cast<std::int16_t*>(stream), bytes / kBytesPerFrame);
    {
        std::lock_guard lock(player.mailMutex_);
        player.sequencer_.outbox().moveInto(player.retired_);
        player.playing_ = player.sequencer_.countsAsPlaying();
    }
    player.needsSynth_ = player.sequencer_.needsSynth();
    ++player.hookRuns_;
}

// Orders apply in the one order that makes sense of any mix of them: the
// synthesizer changes, what was playing stops, then the new song starts,
// then a rewind.
void TunePlayer::takeOrders() {
    std::lock_guard lock(mailMutex_);
    if (orders_.synthChange == SynthChange::Attach) sequencer_.attach(orders_.synth);
    if (orders_.synthChange == SynthChange::Detach) sequencer_.detach();
    if (orders_.stop) sequencer_.stop();
    if (orders_.start) sequencer_.start(std::move(orders_.start));
    if (orders_.rewind) sequencer_.rewind();
    orders_ = Orders{};
    sequencer_.outbox().moveInto(retired_);
    playing_ = sequencer_.countsAsPlaying();
}

} // namespace zol
