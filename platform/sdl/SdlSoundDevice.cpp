#include "platform/sdl/SdlSoundDevice.h"

#include "platform/sdl/GmSynth.h"
#include "platform/sdl/MixerSession.h"

#include <SDL_mixer.h>

#include <cstdio>
#include <utility>

namespace zol {

SdlSoundDevice::SdlSoundDevice(std::vector<std::string> soundFonts)
    : soundFonts_(std::move(soundFonts)), tune_(MixerSession::kSampleRateHz), cue_(MixerSession::kCueChannel) {}

SdlSoundDevice::~SdlSoundDevice() {
    if (starter_.joinable()) starter_.join();
    if (!mixer_) return;
    // Unhooking waits for the audio thread, so the synthesizer can go after.
    Mix_HookMusic(nullptr, nullptr);
    cue_.close();
    synth_.reset();
    mixer_.reset();
}

std::vector<std::string> SdlSoundDevice::defaultSoundFonts() { return GmSynth::defaultSoundFonts(); }

void SdlSoundDevice::prepare() {
    Stage idle = Stage::Idle;
    if (!stage_.compare_exchange_strong(idle, Stage::Starting)) return;
    starter_ = std::thread([this] {
        startUp();
        // SDL keeps per-thread state (its error text) that it frees by
        // itself only on threads it made.
        SDL_TLSCleanup();
    });
}

bool SdlSoundDevice::waitUntilReady(std::chrono::milliseconds timeout) {
    prepare();
    std::unique_lock lock(stageMutex_);
    stageChanged_.wait_for(lock, timeout, [this] { return stage_ == Stage::Ready || stage_ == Stage::Failed; });
    return stage_ == Stage::Ready;
}

void SdlSoundDevice::startUp() {
    mixer_ = std::make_unique<MixerSession>();
    if (!mixer_->ok()) {
        std::fprintf(stderr, "zolbas: no sound device (%s); the game goes on in silence\n", mixer_->error().c_str());
        mixer_.reset();
        enter(Stage::Failed);
        return;
    }
    Mix_HookMusic(&TunePlayer::mixHook, &tune_);
    enter(Stage::MixerOpen);
    synth_ = std::make_unique<GmSynth>(MixerSession::kSampleRateHz, soundFonts_);
    if (!synth_->synth()) std::fprintf(stderr, "zolbas: no General MIDI sound font found; the tune stays silent\n");
    tune_.attachSynth(synth_->synth());
    enter(Stage::Ready);
}

void SdlSoundDevice::enter(Stage stage) {
    {
        std::lock_guard lock(stageMutex_);
        stage_ = stage;
    }
    stageChanged_.notify_all();
}

bool SdlSoundDevice::mixerOpen() const {
    const Stage stage = stage_;
    return stage == Stage::MixerOpen || stage == Stage::Ready;
}

bool SdlSoundDevice::open(Channel channel, const std::string& path) {
    prepare();
    close(channel);
    if (stage_ == Stage::Failed) return false;
    if (channel == Channel::Tune) {
        openTune_ = tuneFiles_.load(path);
        return openTune_ != nullptr;
    }
    return mixerOpen() && cue_.open(path);
}

void SdlSoundDevice::rewind(Channel channel) {
    // A cue chunk always starts from its beginning.
    if (channel == Channel::Tune) tune_.rewind();
}

bool SdlSoundDevice::play(Channel channel) {
    prepare();
    if (stage_ == Stage::Failed) return false;
    if (channel == Channel::Tune) {
        if (!openTune_) return false;
        tune_.start(*openTune_);
        return true;
    }
    return mixerOpen() && cue_.play();
}

void SdlSoundDevice::close(Channel channel) {
    if (channel == Channel::Tune) {
        openTune_ = nullptr;
        tune_.stop();
    } else if (mixerOpen()) {
        cue_.close();
    }
}

bool SdlSoundDevice::isPlaying(Channel channel) const {
    if (stage_ == Stage::Failed) return false;
    if (channel == Channel::Tune) return tune_.isPlaying();
    return mixerOpen() && cue_.isPlaying();
}

} // namespace zol
