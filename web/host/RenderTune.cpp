// Renders the tune as the game's sound device plays it (the same renderer,
// sequencer, synthesizer, sound font and gain) for the page, which cannot
// synthesise MIDI cheaply: raw 16-bit stereo PCM of one round and its
// ring-out, and a small JSON file saying where the next round begins and
// how long before that the tune counts as ended, so the page can loop it
// without a gap.
//
// usage: zolbas_render_tune music1.mid tune.raw tune.json
#include "platform/sdl/GmSynth.h"
#include "platform/sdl/MidiFileReader.h"
#include "platform/sdl/MixerSession.h"
#include "platform/sdl/TuneRenderer.h"
#include "platform/sdl/TuneSequencer.h"

#include <atomic>
#include <cstdio>
#include <memory>

namespace {

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
    const auto loaded = std::make_shared<const zol::LoadedSong>(std::move(*song));
    const std::atomic<bool> never{false};
    const auto rendered = zol::TuneRenderer::render(loaded, zol::GmSynth::defaultSoundFonts(), rate, never);
    if (!rendered) return fail("no General MIDI sound font loads, or the tune is too long:", argv[1]);

    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) return fail("cannot write", argv[2]);
    std::fwrite(rendered->samples.data(), sizeof(std::int16_t), rendered->samples.size(), out);
    if (std::fclose(out) != 0) return fail("cannot write", argv[2]);

    std::FILE* json = std::fopen(argv[3], "w");
    if (!json) return fail("cannot write", argv[3]);
    std::fprintf(json, "{\"roundSeconds\":%.6f,\"endsEarlySeconds\":%.3f,\"sampleRate\":%d}\n",
                 static_cast<double>(rendered->roundFrames) / rate, zol::TuneSequencer::kLoopLeadMs / 1000.0, rate);
    return std::fclose(json) == 0 ? 0 : fail("cannot write", argv[3]);
}
