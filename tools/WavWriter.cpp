#include "tools/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace zol {

namespace {

constexpr int kBitsPerSample = 16;
constexpr int kChannels = 1;
constexpr double kFullScale = 32767.0;
constexpr std::uint32_t kHeaderBytes = 44;

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::int16_t> WavWriter::toPcm(const std::vector<double>& signal, double gain) {
    const double scale = gain * kFullScale;
    std::vector<std::int16_t> pcm;
    pcm.reserve(signal.size());
    for (const double x : signal) {
        pcm.push_back(static_cast<std::int16_t>(std::clamp(std::lround(x * scale), -32767L, 32767L)));
    }
    return pcm;
}

std::vector<std::uint8_t> WavWriter::bytes(const std::vector<std::int16_t>& samples, int sampleRateHz) {
    constexpr int kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + dataBytes);
    putTag(out, "RIFF");
    putLittle(out, kHeaderBytes - 8 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittle(out, 16, 4);
    putLittle(out, 1, 2);
    putLittle(out, kChannels, 2);
    putLittle(out, static_cast<std::uint32_t>(sampleRateHz), 4);
    putLittle(out, static_cast<std::uint32_t>(sampleRateHz * kBlockAlign), 4);
    putLittle(out, kBlockAlign, 2);
    putLittle(out, kBitsPerSample, 2);
    putTag(out, "data");
    putLittle(out, dataBytes, 4);
    for (const auto s : samples) putLittle(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

bool WavWriter::save(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRateHz) {
    const auto data = bytes(samples, sampleRateHz);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

} // namespace zol
