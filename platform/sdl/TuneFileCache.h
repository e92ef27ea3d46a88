#pragma once

#include "platform/sdl/LoadedSong.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zol {

// The tune file as last read. The game reopens the tune every time it
// loops, and every time the file is read anew; while its bytes are the same
// the song read before is given again, with the rendering made for it, so
// only a changed file is parsed (and rendered) again.
class TuneFileCache {
public:
    // The song in `path`, or null when the file is missing or no tune.
    std::shared_ptr<LoadedSong> load(const std::string& path);

private:
    std::vector<std::uint8_t> content_;
    bool read_ = false;
    std::shared_ptr<LoadedSong> song_;
};

} // namespace zol
