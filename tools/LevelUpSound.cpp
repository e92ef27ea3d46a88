#include "tools/LevelUpSound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace zol {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// C5 E5 G5 C6 E6 G6, one every 60 ms.
constexpr std::array<int, 6> kKeys{72, 76, 79, 84, 88, 91};
constexpr double kStepSeconds = 0.06;
constexpr double kAttackSeconds = 0.003;
constexpr double kNoteDecaySeconds = 0.11;
constexpr double kLastNoteDecaySeconds = 0.3;
constexpr double kFadeOutSeconds = 0.06;
constexpr double kVibratoHz = 7.0;
constexpr double kVibratoDepth = 0.006;
constexpr double kVibratoDelaySeconds = 0.08;
// A pulse of 25 % duty has these harmonic weights; higher harmonics die
// faster, which makes each note a bright pluck that mellows.
constexpr double kDuty = 0.25;
constexpr int kHarmonics = 7;
constexpr double kHarmonicDampingPerSecond = 4.0;
constexpr double kHighestHarmonicHz = 12000.0;

double keyHz(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

double smoothRise(double t, double seconds) {
    const double x = std::clamp(t / seconds, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

double pulseNote(double hz, double t, double phase) {
    double sum = 0.0;
    for (int k = 1; k <= kHarmonics && k * hz < kHighestHarmonicHz; ++k) {
        const double weight = std::abs(std::sin(std::numbers::pi * k * kDuty)) / k;
        sum += weight * std::exp(-t * k * kHarmonicDampingPerSecond) * std::sin(k * phase);
    }
    return sum;
}

} // namespace

std::vector<double> LevelUpSound::render(int sampleRateHz) {
    const auto count = static_cast<int>(kLengthSeconds * sampleRateHz);
    std::vector<double> out(count, 0.0);
    for (std::size_t n = 0; n < kKeys.size(); ++n) {
        const bool last = n + 1 == kKeys.size();
        const double onset = kStepSeconds * static_cast<double>(n);
        const double decay = last ? kLastNoteDecaySeconds : kNoteDecaySeconds;
        const double hz = keyHz(kKeys[n]);
        double phase = 0.0;
        for (int i = static_cast<int>(onset * sampleRateHz); i < count; ++i) {
            const double t = static_cast<double>(i) / sampleRateHz - onset;
            const double vibrato =
                last ? 1.0 + kVibratoDepth * smoothRise(t - kVibratoDelaySeconds, 0.1) * std::sin(kTwoPi * kVibratoHz * t)
                     : 1.0;
            phase += kTwoPi * hz * vibrato / sampleRateHz;
            out[i] += smoothRise(t, kAttackSeconds) * std::exp(-t / decay) * pulseNote(hz, t, phase);
        }
    }
    for (int i = 0; i < count; ++i) {
        out[i] *= smoothRise(kLengthSeconds - static_cast<double>(i) / sampleRateHz, kFadeOutSeconds);
    }
    return out;
}

} // namespace zol
