// Writes the game's sound files into the folder named on the command line:
// the tune music1.mid and the cues snd.wav and lvup.wav. Run by the build;
// the output is the same, byte for byte, every time.
#include "tools/CueLevel.h"
#include "tools/LevelUpSound.h"
#include "tools/SquashSound.h"
#include "tools/Tune.h"
#include "tools/WavWriter.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kCueSampleRateHz = 44100;

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    using zol::CueLevel;
    using zol::WavWriter;
    const bool written =
        zol::Tune::compose().save(folder + "/music1.mid") &&
        WavWriter::save(folder + "/snd.wav", CueLevel::pcm(zol::SquashSound::render(kCueSampleRateHz), kCueSampleRateHz),
                        kCueSampleRateHz) &&
        WavWriter::save(folder + "/lvup.wav",
                        CueLevel::pcm(zol::LevelUpSound::render(kCueSampleRateHz), kCueSampleRateHz), kCueSampleRateHz);
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the sound files into %s\n", argv[0], folder.c_str());
        return 1;
    }
    return 0;
}
