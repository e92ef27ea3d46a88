// Measures the sound device on SDL's disk driver: what a cue and a tune
// restart cost inside the game tick (the restart reads the file every time
// and parses it only when it has changed; a parse is measured on its own),
// and how soon a cue reaches the mix. What the tune costs the audio thread
// is measured by zolbas_tune_bench.
// Usage: zolbas_sound_bench [ROUNDS]; the sound files are read from the
// executable's folder, as the game reads them.
#include "platform/sdl/MidiFileReader.h"
#include "platform/sdl/SdlSoundDevice.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using zol::SdlSoundDevice;

constexpr int kLoudSample = 500;
constexpr int kRateHz = 44100;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void report(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double share) { return values[static_cast<std::size_t>(share * (values.size() - 1))]; };
    std::printf("%-34s median %8.1f  p95 %8.1f  max %8.1f %s  (%zu rounds)\n", what, at(0.5), at(0.95), values.back(),
                unit, values.size());
}

void gameCall(SdlSoundDevice& device, zol::Channel player, const std::string& path) {
    device.close(player);
    device.open(player, path);
    device.rewind(player);
    device.play(player);
}

// Watches the finished mix from the audio thread: the moment the first
// buffer with a loud sample was mixed, plus where in the buffer it lies.
struct MixWatch {
    std::atomic<bool> armed{false};
    std::atomic<double> heardAfterUs{-1.0};
    Clock::time_point calledAt;

    static void postMix(void* self, Uint8* stream, int bytes) {
        auto& watch = *static_cast<MixWatch*>(self);
        if (!watch.armed) return;
        const auto now = Clock::now();
        const auto* samples = reinterpret_cast<const Sint16*>(stream);
        for (int i = 0; i < bytes / 2; ++i) {
            if (std::abs(samples[i]) < kLoudSample) continue;
            watch.heardAfterUs = microseconds(now - watch.calledAt) + 1e6 * (i / 2) / kRateHz;
            watch.armed = false;
            return;
        }
    }
};

std::string folderOfExecutable() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().string();
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string output = "/tmp/zolbas-sound-bench-" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    const auto folder = folderOfExecutable();
    const auto cue = folder + "/snd.wav";
    const auto tune = folder + "/music1.mid";
    {
        const auto before = Clock::now();
        SdlSoundDevice device;
        const auto made = Clock::now();
        if (!device.waitUntilReady(10s)) {
            std::fprintf(stderr, "no sound device\n");
            return 1;
        }
        std::printf("%-34s %8.1f us\n", "construct the device", microseconds(made - before));
        std::printf("%-34s %8.1f ms\n", "background start-up until ready", microseconds(Clock::now() - made) / 1000);

        std::vector<double> cueUs;
        std::vector<double> tuneUs;
        std::vector<double> parseUs;
        for (int i = 0; i < rounds; ++i) {
            const auto start = Clock::now();
            if (!zol::MidiFileReader::load(tune)) std::fprintf(stderr, "cannot read %s\n", tune.c_str());
            parseUs.push_back(microseconds(Clock::now() - start));
        }
        for (int i = 0; i < rounds; ++i) {
            auto start = Clock::now();
            gameCall(device, zol::Channel::Cue, cue);
            cueUs.push_back(microseconds(Clock::now() - start));
            start = Clock::now();
            gameCall(device, zol::Channel::Tune, tune);
            tuneUs.push_back(microseconds(Clock::now() - start));
            std::this_thread::sleep_for(5ms);
        }
        report("cue call (close+open+rewind+play)", cueUs, "us");
        report("tune restart (the same, music1)", tuneUs, "us");
        report("first tune open: read and parse", parseUs, "us");

        device.close(zol::Channel::Tune);
        MixWatch watch;
        Mix_SetPostMix(&MixWatch::postMix, &watch);
        std::vector<double> latencyMs;
        for (int i = 0; i < std::min(rounds, 50); ++i) {
            device.close(zol::Channel::Cue);
            // Wait out the tune's reverb and any cue, then let the mixer
            // run on a random part of its buffer before the call.
            std::this_thread::sleep_for(std::chrono::milliseconds(400 + 7 * (i % 5)));
            watch.calledAt = Clock::now();
            watch.heardAfterUs = -1.0;
            watch.armed = true;
            gameCall(device, zol::Channel::Cue, cue);
            while (watch.armed && Clock::now() - watch.calledAt < 1s) std::this_thread::sleep_for(1ms);
            if (watch.heardAfterUs >= 0) latencyMs.push_back(watch.heardAfterUs / 1000);
        }
        Mix_SetPostMix(nullptr, nullptr);
        report("cue call to first loud sample", latencyMs, "ms");
    }
    std::filesystem::remove(output);
    return 0;
}
