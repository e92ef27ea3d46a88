#include "platform/sdl/SynthOutput.h"

#include "platform/sdl/SampleMath.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zol {

SynthOutput::SynthOutput(int sampleRateHz)
    : dcPole_(std::exp(-2.0 * std::numbers::pi * kDcCornerHz / sampleRateHz)),
      reverbTailFrames_(std::int64_t{kReverbTailMs} * sampleRateHz / 1000),
      quietFrames_(reverbTailFrames_) {}

void SynthOutput::attach(fluid_synth_t* synth) {
    synth_ = synth;
    untouched_ = true;
    quietFrames_ = reverbTailFrames_;
    lastIn_ = {};
    lastOut_ = {};
}

void SynthOutput::silence() {
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
    quietFrames_ = reverbTailFrames_;
}

void SynthOutput::addTo(std::int16_t* frames, int count) {
    if (!synth_) return;
    untouched_ = false;
    for (int done = 0; done < count;) {
        const int span = std::min(kChunkFrames, count - done);
        fluid_synth_write_float(synth_, span, scratch_.data(), 0, 2, scratch_.data(), 1, 2);
        for (int i = 0; i < 2 * span; ++i) {
            // A one-pole high-pass: y[n] = x[n] - x[n-1] + p * y[n-1].
            const int side = i % 2;
            const double in = scratch_[i];
            lastOut_[side] = in - lastIn_[side] + dcPole_ * lastOut_[side];
            lastIn_[side] = in;
            addSaturating(frames[2 * done + i], toSample(lastOut_[side]));
        }
        done += span;
        quietFrames_ = fluid_synth_get_active_voice_count(synth_) > 0 ? 0 : quietFrames_ + span;
    }
}

} // namespace zol
