#pragma once

#include "runtime/MediaPlayer.h"

#include <string>

namespace zol {

struct Platform;

// The play screen's two players: one loops the tune, the other plays the
// cues. Every sound opens its file anew from the
// folder of the executable.
class SoundCues {
public:
    explicit SoundCues(Platform& platform);

    // The crush: "snd.wav", once per crushed walker.
    void playCrushCue();
    // The level-up: "lvup.wav".
    void playLevelUpCue();
    // The tune is restarted whenever it is not playing, so it loops with a
    // gap of at most one tick.
    void keepTunePlaying();

private:
    void playFromStart(MediaPlayer& player, const char* file);

    std::string appPath_;
    MediaPlayer tunePlayer_;
    MediaPlayer cuePlayer_;
};

} // namespace zol
