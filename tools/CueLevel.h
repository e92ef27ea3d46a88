#pragma once

#include <cstdint>
#include <vector>

namespace zol {

// How loud the game's cues are: levelled by loudness, not by peak, so that
// the crush and the level-up sound equally loud, each a little over the
// tune (whose loudest 400 ms reach -18.1 LUFS as the game plays it), and a
// cue on top of the tune's peak cannot clip.
class CueLevel {
public:
    // 4.7 LU over the tune's loudest 400 ms.
    static constexpr double kLoudnessLufs = -13.4;
    static constexpr double kMaxTruePeakDbtp = -6.0;

    // The gain that brings `signal` (mono, as the mixer plays it on both
    // sides) to the cues' loudness.
    static double gain(const std::vector<double>& signal, int sampleRateHz);
    // `signal` at the cues' loudness as 16-bit samples.
    static std::vector<std::int16_t> pcm(const std::vector<double>& signal, int sampleRateHz);
};

} // namespace zol
