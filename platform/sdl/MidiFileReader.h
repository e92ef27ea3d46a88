#pragma once

#include "platform/sdl/MidiSong.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zol {

// Reads Standard MIDI Files (format 0 and 1). Anything that does not parse
// from the header to the last track's end is refused whole, so a truncated
// or foreign file plays nothing rather than half a tune.
class MidiFileReader {
public:
    // Larger files are no tune of ours; refusing them keeps a stray file
    // from stalling the game tick.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    static std::optional<MidiSong> parse(std::span<const std::uint8_t> bytes);
    static std::optional<MidiSong> load(const std::string& path);
    // The file's bytes; none when it cannot be read or is too big.
    static std::optional<std::vector<std::uint8_t>> read(const std::string& path);
};

} // namespace zol
