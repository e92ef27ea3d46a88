#include "play/SoundCues.h"

#include "platform/Platform.h"

namespace zol {

namespace {

constexpr const char* kMusicFile = "music1.mid";
constexpr const char* kCrushFile = "snd.wav";
constexpr const char* kLevelUpFile = "lvup.wav";

} // namespace

SoundCues::SoundCues(Platform& p)
    : appPath_(p.appPath),
      tunePlayer_(Channel::Tune, p.sound, p.trace, p.clock),
      cuePlayer_(Channel::Cue, p.sound, p.trace, p.clock) {}

void SoundCues::playCrushCue() { playFromStart(cuePlayer_, kCrushFile); }

void SoundCues::playLevelUpCue() { playFromStart(cuePlayer_, kLevelUpFile); }

void SoundCues::keepTunePlaying() {
    if (tunePlayer_.mode() != MediaPlayer::kModePlaying) playFromStart(tunePlayer_, kMusicFile);
}

// Every sound closes what the player had, opens its file anew, rewinds and
// plays; so a new cue cuts the one before.
void SoundCues::playFromStart(MediaPlayer& player, const char* file) {
    player.close();
    player.open(appPath_ + "/" + file);
    player.rewind();
    player.play();
}

} // namespace zol
