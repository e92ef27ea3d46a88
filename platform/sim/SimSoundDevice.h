#pragma once

#include "platform/SoundDevice.h"

#include <array>

namespace zol::sim {

// Every file opens; a played file plays until it is closed or, for the
// tune, until the script says it ended.
class SimSoundDevice : public SoundDevice {
public:
    bool open(Channel channel, const std::string&) override {
        playing(channel) = false;
        return true;
    }
    void rewind(Channel) override {}
    bool play(Channel channel) override { return playing(channel) = true; }
    void close(Channel channel) override { playing(channel) = false; }
    bool isPlaying(Channel channel) const override { return playing_[static_cast<int>(channel)]; }
    void musicEnded() { playing(Channel::Tune) = false; }

private:
    bool& playing(Channel channel) { return playing_[static_cast<int>(channel)]; }

    std::array<bool, 2> playing_{};
};

} // namespace zol::sim
