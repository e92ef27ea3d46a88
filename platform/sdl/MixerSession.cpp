#include "platform/sdl/MixerSession.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace zol {

namespace {

constexpr const char* kAppName = "ゾルバス";

} // namespace

MixerSession::MixerSession() {
    // Ctrl+C and SIGTERM belong to the game, not to SDL.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, kAppName);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, kAppName);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    // A cut-off sound file is refused rather than played in part.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");

    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error_ = SDL_GetError();
        return;
    }
    audioInit_ = true;
    if (Mix_OpenAudioDevice(kSampleRateHz, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
        error_ = Mix_GetError();
        return;
    }
    open_ = true;
    Mix_AllocateChannels(1);
    Mix_ReserveChannels(1);
}

MixerSession::~MixerSession() {
    if (open_) Mix_CloseAudio();
    if (audioInit_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace zol
