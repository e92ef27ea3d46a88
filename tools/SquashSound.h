#pragma once

#include <vector>

namespace zol {

// The thud of a walker crushed by a falling rock: a low body blow whose
// pitch sinks, over a wet, darkening squish.
class SquashSound {
public:
    static constexpr double kLengthSeconds = 0.36;

    static std::vector<double> render(int sampleRateHz);
};

} // namespace zol
