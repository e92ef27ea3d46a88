#pragma once

#include "platform/SoundDevice.h"

#include <array>
#include <string>

namespace zol::win32 {

// The game's sound through the system's media control interface: the tune
// on the MIDI sequencer, the cues on the wave output, each a device of its own so a cue never cuts the tune. Every
// "open" opens the file anew. With no device, or a missing or broken
// file, the game goes on in silence; the first failure is said in one
// line on standard error, and a channel whose device is missing stops
// asking for it.
class MciSoundDevice final : public SoundDevice {
public:
    // The MCI device types; others only for tests.
    explicit MciSoundDevice(std::wstring tuneDevice = L"sequencer", std::wstring cueDevice = L"waveaudio");
    ~MciSoundDevice() override;
    MciSoundDevice(const MciSoundDevice&) = delete;
    MciSoundDevice& operator=(const MciSoundDevice&) = delete;

    bool open(Channel channel, const std::string& path) override;
    void rewind(Channel channel) override;
    bool play(Channel channel) override;
    void close(Channel channel) override;
    bool isPlaying(Channel channel) const override;

private:
    struct Device {
        const wchar_t* alias;
        std::wstring deviceType;
        bool open = false;
        bool deviceMissing = false;
    };
    Device& deviceOf(Channel channel) { return players_[channel == Channel::Tune ? 0 : 1]; }
    const Device& deviceOf(Channel channel) const { return players_[channel == Channel::Tune ? 0 : 1]; }
    void fail(Device& device, unsigned long error, const std::string& what);
    void complain(const std::string& what);

    std::array<Device, 2> players_;
    bool complained_ = false;
};

} // namespace zol::win32
