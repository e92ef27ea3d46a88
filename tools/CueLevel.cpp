#include "tools/CueLevel.h"

#include "tools/Loudness.h"
#include "tools/WavWriter.h"

#include <cmath>

namespace zol {

double CueLevel::gain(const std::vector<double>& signal, int sampleRateHz) {
    const double loudness = Loudness::ofCue(signal, sampleRateHz).loudestLufs;
    return std::isfinite(loudness) ? std::pow(10.0, (kLoudnessLufs - loudness) / 20.0) : 0.0;
}

std::vector<std::int16_t> CueLevel::pcm(const std::vector<double>& signal, int sampleRateHz) {
    return WavWriter::toPcm(signal, gain(signal, sampleRateHz));
}

} // namespace zol
