// Measures the tune rendered ahead, away from any device: what rendering
// music1.mid costs (processor time, memory), whether its first round is the
// live sound sample for sample, how its loop compares with two rounds played
// live, and what the music hook costs per 512-frame buffer live and from
// memory. Usage: zolbas_tune_bench; music1.mid is read from the executable's
// folder, as the game reads it.
#include "platform/sdl/GmSynth.h"
#include "platform/sdl/TunePlayer.h"
#include "platform/sdl/TuneRenderer.h"
#include "tests/SoundSeam.h"
#include "tests/SoundTestFiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRateHz = 44100;
constexpr int kBufferFrames = 512;

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Per-buffer cost of the hook over ten seconds of the tune, in microseconds.
void hookCost(const char* what, zol::TunePlayer& player) {
    std::vector<double> costUs;
    for (int done = 0; done < 10 * kRateHz; done += kBufferFrames) {
        const auto start = Clock::now();
        zol::test::mixFrames(player, kBufferFrames);
        costUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(costUs.begin(), costUs.end());
    std::printf("music hook, %-12s median %7.1f  p95 %7.1f  max %8.1f us per 512 frames\n", what,
                costUs[costUs.size() / 2], costUs[costUs.size() * 95 / 100], costUs.back());
}

} // namespace

int main() {
    const auto folder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    auto song = zol::test::loadSong(folder + "/music1.mid");
    zol::GmSynth synth(kRateHz, zol::GmSynth::defaultSoundFonts());
    if (!song || !synth.synth()) {
        std::fprintf(stderr, "no music1.mid beside the program, or no sound font\n");
        return 1;
    }
    const std::atomic<bool> never{false};
    const double cpuBefore = threadCpuMs();
    const auto wallBefore = Clock::now();
    auto rendering = zol::TuneRenderer::render(song, zol::GmSynth::defaultSoundFonts(), kRateHz, never);
    const double cpuMs = threadCpuMs() - cpuBefore;
    const double wallMs = std::chrono::duration<double, std::milli>(Clock::now() - wallBefore).count();
    if (!rendering) return 1;
    std::printf("render ahead: %.1f s of tune + %.1f s ring-out in %.0f ms of processor time (%.0f ms wall), %.2f MiB\n",
                rendering->roundFrames / double(kRateHz), (rendering->frames() - rendering->roundFrames) / double(kRateHz),
                cpuMs, wallMs, rendering->samples.size() * sizeof(std::int16_t) / 1048576.0);

    zol::TunePlayer live(kRateHz);
    live.attachSynth(synth.synth());
    const auto twoRounds = zol::test::playRounds(live, song, 2, kRateHz);
    const auto firstRound = 2 * static_cast<std::size_t>(rendering->roundFrames);
    const auto differing = std::mismatch(twoRounds.begin(), twoRounds.begin() + firstRound, rendering->samples.begin());
    std::printf("first round from memory against live: %s\n",
                differing.first == twoRounds.begin() + firstRound ? "the same, sample for sample" : "DIFFERENT");

    const auto seam = static_cast<std::size_t>(rendering->roundFrames);
    song->publish(std::move(rendering));
    zol::TunePlayer fromMemory(kRateHz);
    const auto looped = zol::test::playRounds(fromMemory, song, 2, kRateHz);
    // Live, the second round's notes fall on FluidSynth's 64-frame blocks
    // up to 1.4 ms apart from the first round's: the samples differ, short
    // windows at note onsets too.
    for (const int windowMs : {10, 50}) {
        const auto compared = zol::test::compareSeams(looped, twoRounds, seam, kRateHz, windowMs);
        std::printf("loop seam against two rounds played live, 0.1 s before to 1 s after: level within %.2f dB "
                    "in every %d ms, difference %.1f dB under the sound\n",
                    compared.worstLevelDb, windowMs, compared.differenceDb);
    }

    zol::GmSynth fresh(kRateHz, zol::GmSynth::defaultSoundFonts());
    zol::TunePlayer liveAgain(kRateHz);
    liveAgain.attachSynth(fresh.synth());
    // The same file read anew: a song with no rendering yet, played live.
    liveAgain.start(zol::test::loadSong(folder + "/music1.mid"));
    hookCost("live", liveAgain);
    zol::TunePlayer memoryAgain(kRateHz);
    memoryAgain.start(song);
    hookCost("from memory", memoryAgain);
    return 0;
}
