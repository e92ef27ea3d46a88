#pragma once

#include "platform/MediaPlayer.h"

#include <string>

namespace zol {

struct Platform;

// The play screen's two multimedia players: MMControl1 loops the tune,
// MMControl2 plays the cues. Every sound opens its file anew from the
// folder of the executable.
class SoundCues {
public:
    explicit SoundCues(Platform& platform);

    // The crush: "snd.wav", once per crushed walker.
    void kutya();
    // The level-up: "lvup.wav".
    void lvup();
    // The tune is restarted whenever it is not playing, so it loops with a
    // gap of at most one tick.
    void musicCheck();

private:
    void playFromStart(MediaPlayer& player, const char* file);

    std::string appPath_;
    MediaPlayer mmControl1_;
    MediaPlayer mmControl2_;
};

} // namespace zol
