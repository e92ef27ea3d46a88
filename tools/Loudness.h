#pragma once

#include <vector>

namespace zol {

// Loudness by ITU-R BS.1770 (K-weighted, in LUFS; true peak in dBTP), as
// libebur128 measures it: what the game's cues are levelled by and what the
// tests check the cues and the tune with.
struct LoudnessReading {
    // The loudest 400 ms (the momentary loudness, taken every 10 ms).
    double loudestLufs = 0.0;
    double integratedLufs = 0.0;
    double truePeakDbtp = 0.0;
};

class Loudness {
public:
    // `samples` interleaved, full scale at +-1. Silence of one window
    // follows the end, so a sound shorter than 400 ms is heard whole once.
    static LoudnessReading measure(const std::vector<float>& samples, int channels, int sampleRateHz);
    // A mono cue as the mixer plays it: the same signal on both sides.
    static LoudnessReading ofCue(const std::vector<double>& mono, int sampleRateHz);
};

} // namespace zol
