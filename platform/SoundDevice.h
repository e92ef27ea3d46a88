#pragma once

#include <string>

namespace zol {

// The sound device behind the multimedia players. Player 1 plays the tune,
// player 2 the cues; each player has its own channel, so a cue never cuts
// the tune. Failures (no device, a missing or broken file) are reported by
// the return values only: the game goes on in silence.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Opens `path` for `player`, replacing what it had open.
    virtual bool open(int player, const std::string& path) = 0;
    // Moves to the start of the open file.
    virtual void rewind(int player) = 0;
    // Starts playing from the current position and returns at once.
    virtual bool play(int player) = 0;
    // Stops and closes what the player has open; nothing when nothing is.
    virtual void close(int player) = 0;
    virtual bool isPlaying(int player) const = 0;
};

} // namespace zol
