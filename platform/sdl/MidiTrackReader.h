#pragma once

#include "platform/sdl/ByteCursor.h"
#include "platform/sdl/MidiSong.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace zol {

// Reads the events of one MIDI track chunk, in ticks: channel messages and
// tempo changes; other meta events and system-exclusive messages are
// skipped.
class MidiTrackReader {
public:
    // A message as it stands in its track, before the tempo map turns ticks
    // into time. Tempo changes ride along so that one walk handles both.
    struct TickedEvent {
        std::uint64_t tick = 0;
        std::int64_t quarterUs = 0; // a tempo change when not zero
        MidiEvent message;
    };
    using Track = std::vector<TickedEvent>;

    // Appends the track's events to `out` and returns the tick of its end,
    // or nothing when the track breaks off or holds bytes that are no MIDI.
    static std::optional<std::uint64_t> read(ByteCursor track, Track& out);
};

} // namespace zol
