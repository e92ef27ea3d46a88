#include "tools/Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

constexpr int kHopsPerSecond = 100;
constexpr double kWindowSeconds = 0.4;

} // namespace

LoudnessReading Loudness::measure(const std::vector<float>& samples, int channels, int sampleRateHz) {
    ebur128_state* meter = ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(sampleRateHz),
                                        EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    LoudnessReading reading{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    if (!meter) return reading;
    const std::size_t hop = static_cast<std::size_t>(sampleRateHz / kHopsPerSecond);
    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    const std::size_t window = static_cast<std::size_t>(kWindowSeconds * sampleRateHz);
    const std::vector<float> silence(hop * static_cast<std::size_t>(channels), 0.0f);
    for (std::size_t at = 0; at < frames + window; at += hop) {
        const std::size_t count = at < frames ? std::min(hop, frames - at) : hop;
        const float* from = at < frames ? samples.data() + at * static_cast<std::size_t>(channels) : silence.data();
        ebur128_add_frames_float(meter, from, count);
        double momentary = -HUGE_VAL;
        if (at + count >= window && ebur128_loudness_momentary(meter, &momentary) == EBUR128_SUCCESS) {
            reading.loudestLufs = std::max(reading.loudestLufs, momentary);
        }
    }
    ebur128_loudness_global(meter, &reading.integratedLufs);
    double peak = 0.0;
    for (int channel = 0; channel < channels; ++channel) {
        double channelPeak = 0.0;
        ebur128_true_peak(meter, static_cast<unsigned>(channel), &channelPeak);
        peak = std::max(peak, channelPeak);
    }
    reading.truePeakDbtp = 20.0 * std::log10(peak);
    ebur128_destroy(&meter);
    return reading;
}

LoudnessReading Loudness::ofCue(const std::vector<double>& mono, int sampleRateHz) {
    std::vector<float> stereo;
    stereo.reserve(2 * mono.size());
    for (const double x : mono) {
        stereo.push_back(static_cast<float>(x));
        stereo.push_back(static_cast<float>(x));
    }
    return measure(stereo, 2, sampleRateHz);
}

} // namespace zol
