#pragma once

#include "simulate/Simulation.h"
#include "tests/play/EventLog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zol::test {

// The whole program on the simulated platform, started, with its events
// collected, driven one script line at a time.
class Scripted {
public:
    Scripted();

    // Runs one script line; gives what made it impossible, or "" when it ran.
    std::string run(std::string_view line);
    // Runs several lines, one after the other, stopping at the first error.
    std::string runAll(std::initializer_list<std::string_view> lines);

    const play::GameState& state() { return sim.program().play().state(); }
    const play::PlayControls& controls() { return sim.program().play().controls(); }
    PlayScreen& play() { return sim.program().play(); }
    std::uint64_t ticks() { return sim.program().play().processedTicks(); }

    EventLog log;
    simulate::Simulation sim{log.file()};
};

} // namespace zol::test
