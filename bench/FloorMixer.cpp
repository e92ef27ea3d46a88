// The floor of the game's processor time, its sound half: SDL2_mixer open
// with the game's format (44.1 kHz, 16-bit stereo, 512-frame buffers),
// mixing silence until the program is told to end.
#include <SDL.h>
#include <SDL_mixer.h>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kRateHz = 44100;
constexpr int kBufferFrames = 512;

} // namespace

int main() {
    if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudioDevice(kRateHz, AUDIO_S16SYS, 2, kBufferFrames, nullptr, 0) != 0) {
        std::fprintf(stderr, "no sound device: %s\n", SDL_GetError());
        return 1;
    }
    // The game mixes on one reserved channel of its own.
    Mix_AllocateChannels(1);
    sigset_t end;
    sigemptyset(&end);
    sigaddset(&end, SIGTERM);
    sigaddset(&end, SIGINT);
    sigprocmask(SIG_BLOCK, &end, nullptr);
    int signal = 0;
    sigwait(&end, &signal);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
