// The cues against the tune as the game plays them: the tune rendered the
// way the game renders it, the cues as the files the build made, played on
// both sides. Prints the figures it checks (see BENCHMARKS.md).
#include "platform/sdl/GmSynth.h"
#include "platform/sdl/TuneRenderer.h"
#include "tests/SoundTestFiles.h"
#include "tools/Loudness.h"
#include "tools/OctaveBand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace zol {
namespace {

constexpr int kRateHz = 44100;
constexpr std::size_t kWindow = kRateHz * 4 / 10;
constexpr std::array<double, 5> kCrushBandsHz{250.0, 500.0, 1000.0, 2000.0, 4000.0};

// Stereo, full scale at +-1.
struct Sound {
    std::vector<float> samples;
    std::size_t frames() const { return samples.size() / 2; }
};

Sound renderedTune() {
    const auto song = test::loadSong(std::string(ZOLBAS_SOUND_FOLDER) + "/music1.mid");
    const std::atomic<bool> never{false};
    const auto rendering = TuneRenderer::render(song, GmSynth::defaultSoundFonts(), kRateHz, never);
    Sound tune;
    if (!rendering) return tune;
    for (std::int64_t i = 0; i < 2 * rendering->roundFrames; ++i) tune.samples.push_back(rendering->samples[i] / 32768.0f);
    return tune;
}

// A mono 16-bit cue file, the same on both sides of the mix.
Sound cue(const std::string& name) {
    constexpr std::size_t kHeaderBytes = 44;
    std::ifstream in(std::string(ZOLBAS_SOUND_FOLDER) + "/" + name, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Sound sound;
    for (std::size_t at = kHeaderBytes; at + 1 < bytes.size(); at += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
        sound.samples.insert(sound.samples.end(), 2, sample / 32768.0f);
    }
    return sound;
}

// The power in an octave band, both sides together, over each 400 ms
// window (one every 10 ms; silence after the end).
std::vector<double> bandWindows(const Sound& sound, double centreHz) {
    OctaveBand left(centreHz, kRateHz);
    OctaveBand right(centreHz, kRateHz);
    std::vector<double> power(sound.frames() + kWindow, 0.0);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        power[i] = std::pow(left.run(sound.samples[2 * i]), 2) + std::pow(right.run(sound.samples[2 * i + 1]), 2);
    }
    std::vector<double> windows;
    double sum = 0.0;
    for (std::size_t i = 0; i < power.size(); ++i) {
        sum += power[i] - (i >= kWindow ? power[i - kWindow] : 0.0);
        if (i + 1 >= kWindow && (i + 1) % (kRateHz / 100) == 0) windows.push_back(sum / kWindow);
    }
    return windows;
}

double db(double power) { return 10.0 * std::log10(power); }

class SoundLoudness : public testing::Test {
protected:
    static void SetUpTestSuite() {
        tune_ = renderedTune();
        tuneReading_ = Loudness::measure(tune_.samples, 2, kRateHz);
        std::printf("tune:     loudest 400 ms %6.2f LUFS, integrated %6.2f LUFS, true peak %6.2f dBTP\n",
                    tuneReading_.loudestLufs, tuneReading_.integratedLufs, tuneReading_.truePeakDbtp);
    }
    static void TearDownTestSuite() { tune_ = {}; }

    // Where the tune is loudest: the 400 ms window the cues are levelled to.
    static std::size_t loudestTuneWindow() {
        std::vector<double> all(bandWindows(tune_, 1000.0).size(), 0.0);
        for (const double hz : {63.0, 125.0, 250.0, 500.0, 1000.0, 2000.0, 4000.0, 8000.0}) {
            const auto band = bandWindows(tune_, hz);
            for (std::size_t w = 0; w < all.size(); ++w) all[w] += band[w];
        }
        return static_cast<std::size_t>(std::max_element(all.begin(), all.end()) - all.begin());
    }

    static inline Sound tune_;
    static inline LoudnessReading tuneReading_;
};

TEST_F(SoundLoudness, TheTuneHasNoDcOffset) {
    ASSERT_GT(tune_.frames(), 0u) << "needs the General MIDI sound font";
    for (int side = 0; side < 2; ++side) {
        double sum = 0.0;
        for (std::size_t i = side; i < tune_.samples.size(); i += 2) sum += tune_.samples[i];
        EXPECT_LT(std::abs(sum / tune_.frames()), 1e-4) << "side " << side;
    }
}

TEST_F(SoundLoudness, BothCuesStandFourToFiveLuOverTheTuneAndCannotClipOnIt) {
    ASSERT_GT(tune_.frames(), 0u);
    for (const char* name : {"snd.wav", "lvup.wav"}) {
        const auto reading = Loudness::measure(cue(name).samples, 2, kRateHz);
        const double over = reading.loudestLufs - tuneReading_.loudestLufs;
        std::printf("%-9s loudest 400 ms %6.2f LUFS (%+.2f LU over the tune), true peak %6.2f dBTP\n", name,
                    reading.loudestLufs, over, reading.truePeakDbtp);
        EXPECT_GE(over, 4.0) << name;
        EXPECT_LE(over, 5.0) << name;
        EXPECT_LE(reading.truePeakDbtp, -6.0) << name;
        EXPECT_LT(std::pow(10.0, reading.truePeakDbtp / 20) + std::pow(10.0, tuneReading_.truePeakDbtp / 20), 1.0)
            << name << " on the tune's peak";
    }
}

// Octave by octave from 250 Hz to 4 kHz, the crush's loudest 400 ms against
// the tune's loudest 400 ms (the window the cues are levelled to). For
// comparison it also prints the tune's loudest 400 ms in each band alone.
TEST_F(SoundLoudness, TheCrushStandsSixDecibelsOverTheTuneFrom250HzTo4kHz) {
    ASSERT_GT(tune_.frames(), 0u);
    const auto crush = cue("snd.wav");
    const std::size_t loudest = loudestTuneWindow();
    for (const double hz : kCrushBandsHz) {
        const auto crushWindows = bandWindows(crush, hz);
        const auto tuneWindows = bandWindows(tune_, hz);
        const double crushDb = db(*std::max_element(crushWindows.begin(), crushWindows.end()));
        const double overLoudest = crushDb - db(tuneWindows[loudest]);
        const double overBandPeak = crushDb - db(*std::max_element(tuneWindows.begin(), tuneWindows.end()));
        std::printf("crush %4.0f Hz octave: %+5.1f dB over the tune's loudest 400 ms, %+5.1f dB over its loudest in the band\n",
                    hz, overLoudest, overBandPeak);
        EXPECT_GE(overLoudest, 6.0) << hz << " Hz";
    }
}

// A crunch from 300 Hz to 4 kHz that begins at once, like a click, and is
// over within 60 ms, over a thud that goes on under it.
TEST_F(SoundLoudness, TheCrushIsACrunchOverAThudWithinThreeTenthsOfASecond) {
    const auto crush = cue("snd.wav");
    EXPECT_LE(crush.frames(), static_cast<std::size_t>(0.3 * kRateHz));
    const auto levelIn = [&](double hz, double fromSeconds, double toSeconds) {
        OctaveBand band(hz, kRateHz);
        double sum = 0.0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(toSeconds * kRateHz) && i < crush.frames(); ++i) {
            const double y = band.run(crush.samples[2 * i]);
            if (i >= static_cast<std::size_t>(fromSeconds * kRateHz)) sum += y * y;
        }
        return db(sum / ((toSeconds - fromSeconds) * kRateHz));
    };
    // The crunch band is loud from its first 5 ms on and falls by 6 dB once
    // the crunch is over; the thud is as strong after it as during it, and
    // then the strongest part of the sound.
    EXPECT_GT(levelIn(1000.0, 0.0, 0.005), levelIn(1000.0, 0.0, 0.06) - 3.0);
    EXPECT_GT(levelIn(1000.0, 0.0, 0.06), levelIn(1000.0, 0.07, 0.13) + 6.0);
    EXPECT_GT(levelIn(63.0, 0.07, 0.13), levelIn(63.0, 0.0, 0.06) - 6.0);
    EXPECT_GT(levelIn(63.0, 0.0, 0.13), levelIn(1000.0, 0.07, 0.13));
}

} // namespace
} // namespace zol
