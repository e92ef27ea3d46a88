#pragma once

#include <string>

namespace zol {

// The two sounds that can play at once: the looping tune, and the cues
// (a crush, a level-up), which share one channel so that a new cue cuts
// the one before but never the tune.
enum class Channel { Tune, Cue };

// The sound device behind the play screen's players. Failures (no device, a
// missing or broken file) are reported by the return values only: the game
// goes on in silence.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Opens `path` on `channel`, replacing what it had open.
    virtual bool open(Channel channel, const std::string& path) = 0;
    // Moves to the start of the open file.
    virtual void rewind(Channel channel) = 0;
    // Starts playing from the current position and returns at once.
    virtual bool play(Channel channel) = 0;
    // Stops and closes what the channel has open; nothing when nothing is.
    virtual void close(Channel channel) = 0;
    virtual bool isPlaying(Channel channel) const = 0;
};

} // namespace zol
