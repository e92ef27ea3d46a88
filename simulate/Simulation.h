#pragma once

#include "simulate/Script.h"
#include "simulate/SimulatedProgram.h"
#include "trace/Trace.h"

#include <cstdint>
#include <cstdio>
#include <istream>
#include <string>

namespace zol::simulate {

// `zolbas --simulate`: the game on the simulated platform, driven by a
// script, its events written as JSON Lines.
class Simulation {
public:
    static constexpr int kExitOk = 0;
    // The events could not be written (a full disk): the run stopped there.
    static constexpr int kExitOutputError = 1;
    static constexpr int kExitScriptError = 2;
    static constexpr int kExitRuntimeError = 3;

    // Events go to `events`; nothing when it is null.
    explicit Simulation(std::FILE* events);

    // Runs a whole script from program start; gives the exit status.
    int run(std::istream& script);

    // One command; gives what makes it impossible now, or an empty string.
    std::string execute(const Command& command);

    Program& program() { return game_.program; }
    sim::SimSettingsStore& settings() { return game_.settings; }

private:
    // Moves the clock on to `target` at most, stopping at the first
    // millisecond at which a timer can act, and fires what is due there.
    void advanceTowards(std::int64_t target);
    std::string ticks(std::int64_t count);
    std::string key(const Command& command);
    std::string click(const std::string& button);
    std::string close(const std::string& form);

    std::string outputFailure_;  // why the events could not be written
    Trace trace_;
    SimulatedProgram game_;
};

} // namespace zol::simulate
