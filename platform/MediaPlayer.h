#pragma once

#include <string>
#include <string_view>

namespace zol {

class Clock;
class SoundDevice;
class Trace;

// A multimedia player control of the play screen, driven as the game drives
// it: a command word, the file name for the next "Open", and the mode code.
class MediaPlayer {
public:
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;

    MediaPlayer(int id, SoundDevice& device, Trace& trace, const Clock& clock);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // "Close", "Open", "Prev" or "Play"; any other word does nothing.
    void setCommand(std::string_view command);
    void setFileName(std::string path) { fileName_ = std::move(path); }
    int mode() const;

private:
    int id_;
    SoundDevice& device_;
    Trace& trace_;
    const Clock& clock_;
    std::string fileName_;
    bool open_ = false;
};

} // namespace zol
