#include "platform/sdl/CueChannel.h"

#include <SDL_mixer.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace zol {

namespace {

// SDL_mixer guesses a file's kind from its content and takes random bytes
// for MP3 frames; cues are WAV files, so anything else is refused here.
bool isWave(const std::vector<char>& bytes) {
    constexpr std::size_t kHeaderBytes = 12;
    return bytes.size() >= kHeaderBytes && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

} // namespace

bool CueChannel::open(const std::string& path) {
    close();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size > kMaxFileBytes) return false;
    std::vector<char> bytes(size);
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size)) || !isWave(bytes)) return false;
    chunk_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(size)), 1);
    return chunk_ != nullptr;
}

bool CueChannel::play() {
    return chunk_ && Mix_PlayChannel(channel_, chunk_, 0) == channel_;
}

void CueChannel::close() {
    if (!chunk_) return;
    Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

bool CueChannel::isPlaying() const {
    return chunk_ && Mix_Playing(channel_) != 0;
}

} // namespace zol
