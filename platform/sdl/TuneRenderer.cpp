#include "platform/sdl/TuneRenderer.h"

#include "platform/sdl/GmSynth.h"
#include "platform/sdl/TuneSequencer.h"

#include <algorithm>

namespace zol {

std::unique_ptr<RenderedTune> TuneRenderer::render(const SongRef& song, const std::vector<std::string>& soundFonts,
                                                   int sampleRateHz, const std::atomic<bool>& giveUp) {
    constexpr int kChunkFrames = 4096;
    constexpr std::int64_t kBytesPerFrame = 2 * sizeof(std::int16_t);
    const std::int64_t roundFrames = TuneSequencer::roundFrames(song->song(), sampleRateHz);
    const std::int64_t frames = roundFrames + std::int64_t{kRingOutMs} * sampleRateHz / 1000;
    if (frames * kBytesPerFrame > kMaxBytes) return nullptr;
    GmSynth synth(sampleRateHz, soundFonts);
    if (!synth.synth()) return nullptr;

    auto rendered = std::make_unique<RenderedTune>();
    rendered->roundFrames = roundFrames;
    rendered->samples.resize(static_cast<std::size_t>(2 * frames));
    TuneSequencer sequencer(sampleRateHz);
    sequencer.attach(synth.synth());
    sequencer.start(song);
    for (std::int64_t done = 0; done < frames; done += kChunkFrames) {
        if (giveUp) return nullptr;
        const auto count = static_cast<int>(std::min<std::int64_t>(kChunkFrames, frames - done));
        sequencer.render(rendered->samples.data() + 2 * done, count);
        sequencer.outbox().take();
    }
    return rendered;
}

} // namespace zol
