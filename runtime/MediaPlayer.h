#pragma once

#include "platform/SoundDevice.h"

#include <string>

namespace zol {

class Clock;
class Trace;

// A multimedia player of the play screen, on one channel of the sound
// device, driven as the game drives it: close, open a file, rewind, play;
// and its mode code, which the tune's loop reads.
class MediaPlayer {
public:
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;

    MediaPlayer(Channel channel, SoundDevice& device, Trace& trace, const Clock& clock);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void close();
    // Opens the file anew, whatever was open before.
    void open(const std::string& path);
    void rewind();
    void play();
    int mode() const;

private:
    Channel channel_;
    SoundDevice& device_;
    Trace& trace_;
    const Clock& clock_;
    std::string fileName_;
    bool open_ = false;
};

} // namespace zol
