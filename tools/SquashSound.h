#pragma once

#include <vector>

namespace zol {

// A walker crushed by a falling rock: a crunch of breaking shell at the
// very start, so that the crush cuts through the tune on any speaker, over
// the low thud of the blow and a wet squish.
class SquashSound {
public:
    static constexpr double kLengthSeconds = 0.3;

    static std::vector<double> render(int sampleRateHz);
};

} // namespace zol
