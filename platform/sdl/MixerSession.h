#pragma once

#include "platform/sdl/AlsaErrorSilencer.h"

#include <string>

namespace zol {

// SDL's audio subsystem and SDL_mixer's device, open for as long as this
// lives. The format is fixed (16-bit stereo at 44.1 kHz; SDL converts when
// the hardware differs) so the music hook always knows what it writes.
class MixerSession {
public:
    static constexpr int kSampleRateHz = 44100;
    static constexpr int kChannels = 2;
    // 512 frames are 11.6 ms: a cue is heard within two buffers.
    static constexpr int kBufferFrames = 512;
    static constexpr int kCueChannel = 0;

    MixerSession();
    ~MixerSession();
    MixerSession(const MixerSession&) = delete;
    MixerSession& operator=(const MixerSession&) = delete;

    bool ok() const { return open_; }
    // Why the device could not be opened.
    const std::string& error() const { return error_; }

private:
    AlsaErrorSilencer quietAlsa_;
    bool audioInit_ = false;
    bool open_ = false;
    std::string error_;
};

} // namespace zol
