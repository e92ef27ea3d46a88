#include "tools/SquashSound.h"

#include "tools/OctaveBand.h"
#include "tools/WhiteNoise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace zol {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kFadeOutSeconds = 0.04;
// The blow: a sine sliding from about 150 Hz down to 45 Hz.
constexpr double kBlowLowHz = 45.0;
constexpr double kBlowSlideHz = 105.0;
constexpr double kBlowSlideSeconds = 0.05;
constexpr double kBlowDecaySeconds = 0.14;
constexpr double kBlowAttackSeconds = 0.003;
constexpr double kBlowLevel = 0.2;
// Its octave, for a blow that small speakers can still give.
constexpr double kBlowOctaveLevel = 0.35;
// The squish: noise through a two-pole low-pass whose corner falls from
// 750 Hz to 350 Hz, dark enough to sound wet rather than like hiss, and
// long enough to carry the middle of the sound.
constexpr double kSquishLowHz = 350.0;
constexpr double kSquishSlideHz = 400.0;
constexpr double kSquishSlideSeconds = 0.08;
constexpr double kSquishDecaySeconds = 0.16;
constexpr double kRumbleCutHz = 220.0;
constexpr double kSquishLevel = 6.5;
// The crunch: noise from 200 Hz to 5 kHz in a few sharp cracks over the
// first 60 ms, each rising within a third of a millisecond, like a click.
// Its spectrum is shaped octave by octave to stand over the tune where the
// tune leaves the least room: most around 800 Hz, least around 2 kHz, where
// the squish and the soft clip already give enough.
struct Band {
    double centreHz;
    double level;
};
constexpr std::array<Band, 4> kCrunchBands{{{250.0, 1.4}, {500.0, 0.85}, {800.0, 2.9}, {4000.0, 0.45}}};
constexpr double kCrackRiseSeconds = 0.0003;
constexpr double kCrackDecaySeconds = 0.006;
struct Crack {
    double at;
    double level;
};
constexpr std::array<Crack, 7> kCracks{{{0.0, 1.0}, {0.008, 0.8}, {0.015, 0.9}, {0.024, 0.7}, {0.033, 0.6}, {0.043, 0.5}, {0.054, 0.35}}};
constexpr double kCrunchLevel = 4.0;
// A soft clip evens the peaks of the blend, so that it is loud enough at
// a true peak 6 dB under full scale.
constexpr double kDrive = 3.2;

double onePole(double cornerHz, int sampleRateHz) { return 1.0 - std::exp(-kTwoPi * cornerHz / sampleRateHz); }

// Rises from 0 to 1 over `seconds` with no corner at either end.
double smoothRise(double t, double seconds) {
    const double x = std::clamp(t / seconds, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

double crackEnvelope(double t) {
    double envelope = 0.0;
    for (const auto& crack : kCracks) {
        if (t < crack.at) continue;
        const double rise = std::min(1.0, (t - crack.at) / kCrackRiseSeconds);
        envelope += crack.level * rise * std::exp(-(t - crack.at) / kCrackDecaySeconds);
    }
    return envelope;
}

} // namespace

std::vector<double> SquashSound::render(int sampleRateHz) {
    const auto count = static_cast<int>(kLengthSeconds * sampleRateHz);
    std::vector<double> out(count);
    WhiteNoise squishNoise(0x5A0B5u);
    WhiteNoise crunchNoise(0xC2C4u);
    double phase = 0.0;
    double squishFirst = 0.0;
    double squishLow = 0.0;
    double rumble = 0.0;
    std::vector<OctaveBand> crunchBands;
    for (const auto& band : kCrunchBands) crunchBands.emplace_back(band.centreHz, sampleRateHz);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRateHz;

        phase += kTwoPi * (kBlowLowHz + kBlowSlideHz * std::exp(-t / kBlowSlideSeconds)) / sampleRateHz;
        const double blow = smoothRise(t, kBlowAttackSeconds) * (std::sin(phase) + kBlowOctaveLevel * std::sin(2.0 * phase)) *
                            std::exp(-t / kBlowDecaySeconds);

        const double corner = kSquishLowHz + kSquishSlideHz * std::exp(-t / kSquishSlideSeconds);
        const double pole = onePole(corner, sampleRateHz);
        squishFirst += pole * (squishNoise.next() - squishFirst);
        squishLow += pole * (squishFirst - squishLow);
        rumble += onePole(kRumbleCutHz, sampleRateHz) * (squishLow - rumble);
        const double squish = (squishLow - rumble) * smoothRise(t, kBlowAttackSeconds) * std::exp(-t / kSquishDecaySeconds);

        const double grit = crunchNoise.next();
        double shaped = 0.0;
        for (std::size_t b = 0; b < kCrunchBands.size(); ++b) shaped += kCrunchBands[b].level * crunchBands[b].run(grit);
        const double crunch = shaped * crackEnvelope(t);

        const double blend = kBlowLevel * blow + kSquishLevel * squish + kCrunchLevel * crunch;
        const double fadeOut = smoothRise(kLengthSeconds - t, kFadeOutSeconds);
        out[i] = fadeOut * std::tanh(kDrive * blend) / std::tanh(kDrive);
    }
    return out;
}

} // namespace zol
