#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace zol::test {

// SDL's disk audio driver writes the final mix, 16-bit stereo at 44.1 kHz,
// to a file in real time. Each test gets a file of its own; the device must
// be gone (closed) before the file is read.
class DiskOutput {
public:
    static constexpr int kRateHz = 44100;
    // FluidSynth dithers its output, so silence may wobble by a step or two.
    static constexpr int kSilenceLimit = 4;

    DiskOutput() {
        static int serial = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 ("zolbas-sound-" + std::to_string(getpid()) + "-" + std::to_string(++serial) + ".raw"))
                    .string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    }
    ~DiskOutput() { std::filesystem::remove(path_); }
    DiskOutput(const DiskOutput&) = delete;
    DiskOutput& operator=(const DiskOutput&) = delete;

    // The left channel; the device plays everything in the middle.
    std::vector<std::int16_t> left() const {
        std::ifstream in(path_, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::int16_t> samples(bytes.size() / 4);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[4 * i]) |
                                                   (static_cast<std::uint8_t>(bytes[4 * i + 1]) << 8));
        }
        return samples;
    }

    static int peak(const std::vector<std::int16_t>& samples) {
        int loudest = 0;
        for (const auto s : samples) loudest = std::max(loudest, std::abs(static_cast<int>(s)));
        return loudest;
    }

private:
    std::string path_;
};

} // namespace zol::test
