#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zol {

// Turns a synthesized signal into a 16-bit mono PCM WAV file.
class WavWriter {
public:
    // Scales `signal` so its loudest sample sits at `peakDbfs` and rounds it
    // to 16-bit samples.
    static std::vector<std::int16_t> toPcm(const std::vector<double>& signal, double peakDbfs);
    static std::vector<std::uint8_t> bytes(const std::vector<std::int16_t>& samples, int sampleRateHz);
    static bool save(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRateHz);
};

} // namespace zol
