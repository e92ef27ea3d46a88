#include "tools/SquashSound.h"

#include "tools/WhiteNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zol {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kAttackSeconds = 0.004;
constexpr double kFadeOutSeconds = 0.05;
// The blow: a sine sliding from about 160 Hz down to 42 Hz.
constexpr double kBlowLowHz = 42.0;
constexpr double kBlowSlideHz = 120.0;
constexpr double kBlowSlideSeconds = 0.04;
constexpr double kBlowDecaySeconds = 0.085;
// The squish: noise through a two-pole low-pass whose corner falls from
// 2 kHz, dark enough to sound wet rather than like hiss.
constexpr double kSquishLowHz = 250.0;
constexpr double kSquishSlideHz = 1750.0;
constexpr double kSquishSlideSeconds = 0.03;
constexpr double kSquishDecaySeconds = 0.06;
constexpr double kRumbleCutHz = 90.0;
// A second, smaller splat just after the first gives the wet sound.
constexpr double kSplatStartSeconds = 0.028;
constexpr double kSplatDecaySeconds = 0.03;
constexpr double kSplatLevel = 0.6;
constexpr double kSquishLevel = 2.4;

double onePole(double cornerHz, int sampleRateHz) { return 1.0 - std::exp(-kTwoPi * cornerHz / sampleRateHz); }

// Rises from 0 to 1 over `seconds` with no corner at either end.
double smoothRise(double t, double seconds) {
    const double x = std::clamp(t / seconds, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

} // namespace

std::vector<double> SquashSound::render(int sampleRateHz) {
    const auto count = static_cast<int>(kLengthSeconds * sampleRateHz);
    std::vector<double> out(count);
    WhiteNoise noise(0x5A0B5u);
    double phase = 0.0;
    double first = 0.0;
    double low = 0.0;
    double rumble = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRateHz;
        const double attack = smoothRise(t, kAttackSeconds);

        phase += kTwoPi * (kBlowLowHz + kBlowSlideHz * std::exp(-t / kBlowSlideSeconds)) / sampleRateHz;
        const double blow = (std::sin(phase) + 0.3 * std::sin(2.0 * phase)) * std::exp(-t / kBlowDecaySeconds);

        const double corner = kSquishLowHz + kSquishSlideHz * std::exp(-t / kSquishSlideSeconds);
        const double pole = onePole(corner, sampleRateHz);
        first += pole * (noise.next() - first);
        low += pole * (first - low);
        rumble += onePole(kRumbleCutHz, sampleRateHz) * (low - rumble);
        const double splatEnvelope =
            t < kSplatStartSeconds ? 0.0 : kSplatLevel * std::exp(-(t - kSplatStartSeconds) / kSplatDecaySeconds);
        const double squish = (low - rumble) * (std::exp(-t / kSquishDecaySeconds) + splatEnvelope);

        const double fadeOut = smoothRise(kLengthSeconds - t, kFadeOutSeconds);
        out[i] = attack * fadeOut * (blow + kSquishLevel * squish);
    }
    return out;
}

} // namespace zol
