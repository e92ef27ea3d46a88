#pragma once

#include "tools/MidiWriter.h"

namespace zol {

// The game's tune, music1.mid, written out note by note from the score.
class Tune {
public:
    static constexpr double kTempoBpm = 144.0;
    static constexpr int kTicksPerQuarter = 480;
    static constexpr int kTicksPerEighth = kTicksPerQuarter / 2;
    static constexpr int kEighthsPerBar = 8;

    static MidiWriter compose();
};

} // namespace zol
