#pragma once

#include "platform/SoundDevice.h"
#include "platform/sdl/CueChannel.h"
#include "platform/sdl/MidiSong.h"
#include "platform/sdl/TuneFileCache.h"
#include "platform/sdl/TunePlayer.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zol {

class GmSynth;
class MixerSession;

// The game's sound on SDL2_mixer: player 1 plays a MIDI tune through
// FluidSynth behind the music hook, player 2 plays WAV cues on a mixer
// channel of their own. Constructing it costs nothing; the audio device and
// the sound font are opened on a thread of their own the first time the
// device is used (or prepare() is called), never inside the game tick. With
// no device or no sound font the game goes on in silence, said once on
// standard error.
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

    const std::vector<std::string> soundFonts_;
    std::atomic<Stage> stage_{Stage::Idle};
    std::mutex stageMutex_;
    std::condition_variable stageChanged_;
    std::thread starter_;
    // Written by the start-up thread before it announces the stage that
    // lets the game thread use them.
    std::unique_ptr<MixerSession> mixer_;
    std::unique_ptr<GmSynth> synth_;
    TunePlayer tune_;
    CueChannel cue_;
    TuneFileCache tuneFiles_;
    const MidiSong* openTune_ = nullptr;
};

} // namespace zol
