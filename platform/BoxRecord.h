#pragma once

#include "platform/MessageBoxes.h"

#include <cstdint>

namespace zol {

// Where the game's message boxes and their answers are recorded, at the
// moment of the game's clock each happened: the run's trace, which knows
// how its events are written.
class BoxRecord {
public:
    virtual ~BoxRecord() = default;
    virtual void boxOpened(std::int64_t ms, const BoxRequest& box) = 0;
    virtual void boxAnswered(std::int64_t ms, int answer) = 0;
};

} // namespace zol
