#pragma once

#include "platform/SoundDevice.h"

#include <array>

namespace zol::web {

// The sound device of the page: the page's Web Audio player (web/page),
// which has the tune rendered at build time and the cues as they are, and
// knows them by the file name part of the path the game opens. It starts
// silent and sounds from the player's first click or key press on, as
// browsers allow. Whether a channel plays is kept here: the page says when
// the tune has ended, at a definite moment of the game's clock, so that a
// recorded game replays with the tune ending where it ended.
class WebSoundDevice : public SoundDevice {
public:
    bool open(Channel channel, const std::string& path) override;
    void rewind(Channel channel) override;
    bool play(Channel channel) override;
    void close(Channel channel) override;
    bool isPlaying(Channel channel) const override { return playing_[index(channel)]; }

    // The tune's round is over (it counts as ended a little before its last
    // notes have rung out, so that the next round follows without a gap).
    void tuneEnded() { playing_[index(Channel::Tune)] = false; }

    // The channel's number in the page: 0 the tune, 1 the cues.
    static int index(Channel channel) { return channel == Channel::Tune ? 0 : 1; }

private:
    std::array<bool, 2> playing_{};
};

} // namespace zol::web
