#pragma once

#include "platform/SoundDevice.h"
#include "platform/sdl/CueChannel.h"
#include "platform/sdl/JobThread.h"
#include "platform/sdl/TuneChannel.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zol {

class MixerSession;

// The game's sound on SDL2_mixer: the tune channel plays a MIDI tune
// (rendered ahead, live on FluidSynth until then) behind the music hook, the
// cue channel plays WAV cues on a mixer channel of their own. Constructing it costs
// nothing; the audio device and the sound font are opened on a thread of
// their own the first time the device is used (or prepare() is called),
// never inside the game tick. With no device or no sound font the game goes
// on in silence, said once on standard error.
class SdlSoundDevice final : public SoundDevice {
public:
    explicit SdlSoundDevice(std::vector<std::string> soundFonts = defaultSoundFonts());
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    static std::vector<std::string> defaultSoundFonts();

    // Starts opening the device in the background; call it when the play
    // screen loads so that the first cue finds the mixer ready.
    void prepare();
    // Waits until start-up has finished either way; true when sound works.
    bool waitUntilReady(std::chrono::milliseconds timeout);

    bool open(Channel channel, const std::string& path) override;
    void rewind(Channel channel) override;
    bool play(Channel channel) override;
    void close(Channel channel) override;
    bool isPlaying(Channel channel) const override;

private:
    enum class Stage { Idle, Starting, MixerOpen, Ready, Failed };

    void startUp();
    void enter(Stage stage);
    bool mixerOpen() const;

    std::atomic<Stage> stage_{Stage::Idle};
    std::mutex stageMutex_;
    std::condition_variable stageChanged_;
    // Written by the start-up job before it announces the stage that lets
    // the game thread use it.
    std::unique_ptr<MixerSession> mixer_;
    // Looking at the tune also tends its synthesizer.
    mutable TuneChannel tune_;
    CueChannel cue_;
    // Opens the device, then makes and frees the tune's synthesizer.
    JobThread background_{"zolbas-sound", JobThread::Priority::Normal};
};

} // namespace zol
