#include "platform/sdl/TuneChannel.h"

#include "platform/sdl/GmSynth.h"
#include "platform/sdl/TuneRenderer.h"

#include <SDL_mixer.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zol {

namespace {

// The synthesizer and its sound font take megabytes from the allocator of
// the thread that made them; once they are freed, the pages go back to the
// system rather than stay with the game for good.
void giveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

TuneChannel::TuneChannel(int sampleRateHz, std::vector<std::string> soundFonts, JobThread& keeper)
    : sampleRateHz_(sampleRateHz), soundFonts_(std::move(soundFonts)), keeper_(keeper), player_(sampleRateHz) {}

TuneChannel::~TuneChannel() = default;

void TuneChannel::prepare() { synthWanted_ = true; }

bool TuneChannel::startUp() {
    Mix_HookMusic(&TunePlayer::mixHook, &player_);
    hooked_ = true;
    loadSynth();
    return synth_->synth() != nullptr;
}

void TuneChannel::shutDown() {
    // Unhooking waits for the audio thread, so the synthesizer can go after.
    if (hooked_) Mix_HookMusic(nullptr, nullptr);
    hooked_ = false;
    synth_.reset();
}

bool TuneChannel::open(const std::string& path) {
    close();
    open_ = files_.load(path);
    return open_ != nullptr;
}

void TuneChannel::rewind() { player_.rewind(); }

bool TuneChannel::play() {
    if (!open_) return false;
    player_.start(open_);
    tend();
    return true;
}

void TuneChannel::close() {
    open_.reset();
    player_.stop();
}

bool TuneChannel::isPlaying() {
    tend();
    return player_.isPlaying();
}

// Once the mixer plays: a tune without a rendering gets the synthesizer
// and a rendering made; one with a rendering lets the synthesizer go.
void TuneChannel::tend() {
    if (!hooked_ || !open_) return;
    if (open_->rendering()) {
        releaseSynthWhenIdle();
    } else {
        wantSynth();
        askForRendering(open_);
    }
}

void TuneChannel::wantSynth() {
    if (synthWanted_) return;
    synthWanted_ = true;
    keeper_.post([this] { loadSynth(); });
}

// A null synthesizer (no sound font) lets songs run their course silently.
void TuneChannel::loadSynth() {
    if (!synth_) synth_ = std::make_unique<GmSynth>(sampleRateHz_, soundFonts_);
    player_.attachSynth(synth_->synth());
}

void TuneChannel::releaseSynth() {
    // Should the audio thread not answer, the synthesizer stays, detached,
    // for the next song that needs it.
    if (synth_ && player_.detachSynth(kDetachTimeout)) {
        synth_.reset();
        giveBackFreedMemory();
    }
}

// The open tune plays from memory and nothing rings in the synthesizer any
// more: the keeper frees it, off the game's thread.
void TuneChannel::releaseSynthWhenIdle() {
    if (!synthWanted_ || !player_.synthIdle()) return;
    synthWanted_ = false;
    keeper_.post([this] { releaseSynth(); });
}

void TuneChannel::askForRendering(const std::shared_ptr<LoadedSong>& song) {
    if (renderingAskedFor_.lock() == song) return;
    renderingAskedFor_ = song;
    renderer_.post([this, song] {
        auto rendering = TuneRenderer::render(song, soundFonts_, sampleRateHz_, renderer_.quitting());
        giveBackFreedMemory();
        if (rendering) song->publish(std::move(rendering));
    });
}

} // namespace zol
