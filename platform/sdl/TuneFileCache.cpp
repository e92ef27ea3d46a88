#include "platform/sdl/TuneFileCache.h"

#include "platform/sdl/MidiFileReader.h"

namespace zol {

std::shared_ptr<LoadedSong> TuneFileCache::load(const std::string& path) {
    auto bytes = MidiFileReader::read(path);
    if (!bytes) {
        read_ = false;
        content_.clear();
        song_.reset();
        return nullptr;
    }
    if (!read_ || *bytes != content_) {
        // A broken file is remembered as broken, so it is not parsed again
        // and again while the game keeps asking for it.
        auto song = MidiFileReader::parse(*bytes);
        song_ = song ? std::make_shared<LoadedSong>(std::move(*song)) : nullptr;
        content_ = std::move(*bytes);
        read_ = true;
    }
    return song_;
}

} // namespace zol
