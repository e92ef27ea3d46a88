// Renders the tune as the game's sound device plays it (the same sequencer,
// synthesizer, sound font and gain) for the page, which cannot synthesise
// MIDI cheaply: raw 16-bit stereo PCM of one round and its ring-out, and a
// small JSON file saying where the next round begins and how long before
// that the tune counts as ended, so the page can loop it without a gap.
//
// usage: zolbas_render_tune music1.mid tune.raw tune.json
#include "platform/sdl/GmSynth.h"
#include "platform/sdl/MidiFileReader.h"
#include "platform/sdl/MixerSession.h"
#include "platform/sdl/TuneSequencer.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// How long the last notes ring on after the round ends.
constexpr int kRingOutMs = 1500;
constexpr int kBlockFrames = 1024;
constexpr int kChannels = 2;

int fail(const char* what, const char* path) {
    std::fprintf(stderr, "zolbas_render_tune: %s %s\n", what, path);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: zolbas_render_tune TUNE.mid OUT.raw OUT.json\n", stderr);
        return 64;
    }
    auto song = zol::MidiFileReader::load(argv[1]);
    if (!song) return fail("cannot read the tune", argv[1]);
    const int rate = zol::MixerSession::kSampleRateHz;
    zol::GmSynth synth(rate, zol::GmSynth::defaultSoundFonts());
    if (!synth.synth()) return fail("no General MIDI sound font loads for", argv[1]);

    const std::int64_t roundUs = song->lengthUs;
    const std::int64_t totalFrames = (roundUs + kRingOutMs * 1000LL) * rate / 1'000'000;
    zol::TuneSequencer sequencer(rate);
    sequencer.attach(synth.synth());
    [[maybe_unused]] auto none = sequencer.start(std::make_unique<zol::MidiSong>(std::move(*song)));

    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) return fail("cannot write", argv[2]);
    std::vector<std::int16_t> block(kBlockFrames * kChannels);
    for (std::int64_t done = 0; done < totalFrames; done += kBlockFrames) {
        const int count = static_cast<int>(std::min<std::int64_t>(kBlockFrames, totalFrames - done));
        [[maybe_unused]] auto finished = sequencer.render(block.data(), count);
        std::fwrite(block.data(), sizeof(std::int16_t), static_cast<std::size_t>(count) * kChannels, out);
    }
    if (std::fclose(out) != 0) return fail("cannot write", argv[2]);

    std::FILE* json = std::fopen(argv[3], "w");
    if (!json) return fail("cannot write", argv[3]);
    std::fprintf(json, "{\"roundSeconds\":%.6f,\"endsEarlySeconds\":%.3f,\"sampleRate\":%d}\n", roundUs / 1e6,
                 zol::TuneSequencer::kLoopLeadMs / 1000.0, rate);
    return std::fclose(json) == 0 ? 0 : fail("cannot write", argv[3]);
}
