#pragma once

#include "platform/sdl/MidiSong.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zol {

// The tune file as last read. The game reopens the tune every time it
// loops; with the file unchanged (same size, same time stamp) that costs
// one look at the file instead of a parse inside the game tick.
class TuneFileCache {
public:
    // The song in `path`, or null when the file is missing or no tune.
    // The song stays valid until the next call.
    const MidiSong* load(const std::string& path);

private:
    std::string path_;
    std::int64_t sizeBytes_ = -1;
    std::int64_t modifiedNs_ = 0;
    std::optional<MidiSong> song_;
};

} // namespace zol
