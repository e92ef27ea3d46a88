#include "runtime/MediaPlayer.h"

#include "platform/Clock.h"
#include "trace/SoundEvents.h"
#include "trace/Trace.h"

namespace zol {

MediaPlayer::MediaPlayer(Channel channel, SoundDevice& device, Trace& trace, const Clock& clock)
    : channel_(channel), device_(device), trace_(trace), clock_(clock) {}

// A player that goes with its screen stops what it plays.
MediaPlayer::~MediaPlayer() { close(); }

void MediaPlayer::close() {
    if (open_) device_.close(channel_);
    open_ = false;
}

void MediaPlayer::open(const std::string& path) {
    close();
    fileName_ = path;
    open_ = device_.open(channel_, fileName_);
}

void MediaPlayer::rewind() {
    if (open_) device_.rewind(channel_);
}

void MediaPlayer::play() {
    if (open_ && device_.play(channel_) && trace_.enabled())
        trace_.write(soundEvent(clock_.nowMs(), channel_, fileName_));
}

int MediaPlayer::mode() const {
    if (!open_) return kModeNotOpen;
    return device_.isPlaying(channel_) ? kModePlaying : kModeStopped;
}

} // namespace zol
