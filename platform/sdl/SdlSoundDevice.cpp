#include "platform/sdl/SdlSoundDevice.h"

#include "platform/sdl/GmSynth.h"
#include "platform/sdl/MixerSession.h"

#include <cstdio>
#include <utility>

namespace zol {

SdlSoundDevice::SdlSoundDevice(std::vector<std::string> soundFonts)
    : tune_(MixerSession::kSampleRateHz, std::move(soundFonts), background_), cue_(MixerSession::kCueChannel) {}

SdlSoundDevice::~SdlSoundDevice() {
    background_.finish();
    if (!mixer_) return;
    tune_.shutDown();
    cue_.close();
    mixer_.reset();
}

std::vector<std::string> SdlSoundDevice::defaultSoundFonts() { return GmSynth::defaultSoundFonts(); }

void SdlSoundDevice::prepare() {
    Stage idle = Stage::Idle;
    if (!stage_.compare_exchange_strong(idle, Stage::Starting)) return;
    tune_.prepare();
    background_.post([this] { startUp(); });
}

bool SdlSoundDevice::waitUntilReady(std::chrono::milliseconds timeout) {
    prepare();
    std::unique_lock lock(stageMutex_);
    stageChanged_.wait_for(lock, timeout, [this] { return stage_ == Stage::Ready || stage_ == Stage::Failed; });
    return stage_ == Stage::Ready;
}

void SdlSoundDevice::startUp() {
    auto mixer = std::make_unique<MixerSession>();
    if (!mixer->ok()) {
        std::fprintf(stderr, "zolbas: no sound device (%s); the game goes on in silence\n", mixer->error().c_str());
        enter(Stage::Failed);
        return;
    }
    mixer_ = std::move(mixer);
    enter(Stage::MixerOpen);
    if (!tune_.startUp()) std::fprintf(stderr, "zolbas: no General MIDI sound font found; the tune stays silent\n");
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
    if (channel == Channel::Tune) return tune_.open(path);
    return mixerOpen() && cue_.open(path);
}

void SdlSoundDevice::rewind(Channel channel) {
    // A cue chunk always starts from its beginning.
    if (channel == Channel::Tune) tune_.rewind();
}

bool SdlSoundDevice::play(Channel channel) {
    prepare();
    if (stage_ == Stage::Failed) return false;
    if (channel == Channel::Tune) return tune_.play();
    return mixerOpen() && cue_.play();
}

void SdlSoundDevice::close(Channel channel) {
    if (channel == Channel::Tune) {
        tune_.close();
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
