#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <string>

namespace zol::simulate {

// Writes what a player did as a script of `zolbas --simulate`: each command
// after a `wait` for the virtual time since the one before, so that the game
// replays on the virtual clock exactly as it was played.
class ScriptRecorder {
public:
    // `command` happened at `nowMs` on the program's clock.
    void record(std::int64_t nowMs, const std::string& command);
    // The script so far, with a last `wait` up to `nowMs`.
    std::string script(std::int64_t nowMs) const;

private:
    static std::string waitLine(std::int64_t ms) { return "wait " + std::to_string(ms) + "\n"; }

    std::string text_;
    std::int64_t lastMs_ = kClockStartMs;
};

} // namespace zol::simulate
