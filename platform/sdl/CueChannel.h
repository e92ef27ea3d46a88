#pragma once

#include <cstddef>
#include <string>

struct Mix_Chunk;

namespace zol {

// The mixer channel of the cues. Each "Open" loads its file anew and each
// "Close" frees it, so a new cue cuts the one before; the tune lives in the
// music hook and is never touched.
class CueChannel {
public:
    // A cue is a fraction of a second; a bigger file is no cue of ours.
    static constexpr std::size_t kMaxFileBytes = 4u << 20;

    explicit CueChannel(int channel) : channel_(channel) {}
    ~CueChannel() { close(); }
    CueChannel(const CueChannel&) = delete;
    CueChannel& operator=(const CueChannel&) = delete;

    // All of these need the mixer open.
    bool open(const std::string& path);
    bool play();
    void close();
    bool isPlaying() const;

private:
    int channel_;
    Mix_Chunk* chunk_ = nullptr;
};

} // namespace zol
