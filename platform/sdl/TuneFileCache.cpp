#include "platform/sdl/TuneFileCache.h"

#include "platform/sdl/MidiFileReader.h"

#include <sys/stat.h>

namespace zol {

const MidiSong* TuneFileCache::load(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        path_.clear();
        song_.reset();
        return nullptr;
    }
    const std::int64_t modifiedNs = std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec;
    const bool same = path == path_ && status.st_size == sizeBytes_ && modifiedNs == modifiedNs_;
    if (!same) {
        // A broken file is remembered as broken, so it is not read again
        // and again while the game keeps asking for it.
        path_ = path;
        sizeBytes_ = status.st_size;
        modifiedNs_ = modifiedNs;
        song_ = MidiFileReader::load(path);
    }
    return song_ ? &*song_ : nullptr;
}

} // namespace zol
