#pragma once

#include "platform/sdl/LoadedSong.h"

#include <array>

namespace zol {

// Songs the audio thread has let go of, waiting to be handed to a thread
// that may free them: the audio thread never frees memory.
class SongOutbox {
public:
    static constexpr std::size_t kSlots = 8;
    using Slots = std::array<SongRef, kSlots>;

    void put(SongRef song) {
        if (!song) return;
        for (auto& slot : slots_) {
            if (!slot) {
                slot = std::move(song);
                return;
            }
        }
        // The outbox is emptied after every buffer and no buffer lets go
        // of this many songs; were it full, the song would go here after all.
    }
    // Moves every song into `into`'s free slots.
    void moveInto(SongOutbox& into) {
        for (auto& slot : slots_) into.put(std::move(slot));
    }
    Slots take() {
        Slots taken;
        taken.swap(slots_);
        return taken;
    }

private:
    Slots slots_;
};

} // namespace zol
