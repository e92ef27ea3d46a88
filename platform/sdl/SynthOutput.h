#pragma once

#include <array>
#include <cstdint>

typedef struct _fluid_synth_t fluid_synth_t;

namespace zol {

// FluidSynth's output as the game plays it: rendered in floating point,
// rid of its DC offset (the sound font's samples carry one) and rounded to
// 16 bits, with no dither, so that the same notes give the same samples
// every time. It renders only while something may sound: once the last
// voice has ended and the reverb has died away, it costs nothing.
class SynthOutput {
public:
    // The reverb's tail outlasts the last voice by this much.
    static constexpr int kReverbTailMs = 2000;
    // The DC blocker's corner: far below the lowest note of the tune.
    static constexpr double kDcCornerHz = 5.0;

    explicit SynthOutput(int sampleRateHz);

    // A new synthesizer (or none); it counts as untouched until it renders.
    void attach(fluid_synth_t* synth);
    fluid_synth_t* synth() const { return synth_; }
    bool untouched() const { return untouched_; }
    // Voices are sounding, or their reverb is.
    bool ringing() const { return synth_ && quietFrames_ < reverbTailFrames_; }
    // A note may start: render from now on.
    void wake() { quietFrames_ = 0; }
    // Stops every voice at once; the caller has the sound from elsewhere.
    void silence();

    // Adds `count` frames of the synthesizer's output to `frames` (16-bit
    // stereo), saturating.
    void addTo(std::int16_t* frames, int count);

private:
    static constexpr int kChunkFrames = 256;

    fluid_synth_t* synth_ = nullptr;
    const double dcPole_;
    const std::int64_t reverbTailFrames_;
    std::int64_t quietFrames_;
    bool untouched_ = true;
    std::array<double, 2> lastIn_{};
    std::array<double, 2> lastOut_{};
    std::array<float, 2 * kChunkFrames> scratch_{};
};

} // namespace zol
