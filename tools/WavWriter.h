#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zol {

// Turns a synthesized signal into a 16-bit mono PCM WAV file.
class WavWriter {
public:
    // Scales `signal` by `gain` and rounds it to 16-bit samples; full scale
    // is +-1.
    static std::vector<std::int16_t> toPcm(const std::vector<double>& signal, double gain);
    static std::vector<std::uint8_t> bytes(const std::vector<std::int16_t>& samples, int sampleRateHz);
    static bool save(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRateHz);
};

} // namespace zol
