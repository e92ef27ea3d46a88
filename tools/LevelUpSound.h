#pragma once

#include <vector>

namespace zol {

// The level-up jingle: a quick chip-tune arpeggio climbing two octaves up
// the major chord, its top note ringing on with a little vibrato.
class LevelUpSound {
public:
    static constexpr double kLengthSeconds = 0.8;

    static std::vector<double> render(int sampleRateHz);
};

} // namespace zol
