#pragma once

#include <cstdint>
#include <vector>

namespace zol {

// One channel message of a song, placed in time.
struct MidiEvent {
    std::int64_t timeUs = 0;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
};

// A Standard MIDI File flattened for playback: every track merged into one
// list of channel messages in time order, tempo changes already applied.
struct MidiSong {
    std::vector<MidiEvent> events;
    // Where the last track ends; the tune loops from here.
    std::int64_t lengthUs = 0;
};

} // namespace zol
