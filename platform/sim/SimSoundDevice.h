#pragma once

#include "platform/SoundDevice.h"

#include <array>

namespace zol::sim {

// Every file opens; a played file plays until it is closed or, for the
// tune, until the script says it ended.
class SimSoundDevice : public SoundDevice {
public:
    bool open(int player, const std::string&) override {
        playing_[player] = false;
        return true;
    }
    void rewind(int) override {}
    bool play(int player) override { return playing_[player] = true; }
    void close(int player) override { playing_[player] = false; }
    bool isPlaying(int player) const override { return playing_[player]; }
    void musicEnded() { playing_[1] = false; }

private:
    std::array<bool, 3> playing_{};
};

} // namespace zol::sim
