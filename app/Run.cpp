#include "app/Run.h"

#include "simulate/Simulation.h"

#include <cstdio>
#include <fstream>
#include <iostream>

namespace zol::app {

namespace {

constexpr int kExitUsage = 2;

int simulate(const std::string& script) {
    zol::simulate::Simulation simulation(stdout);
    if (script == "-") return simulation.run(std::cin);
    std::ifstream file(script);
    if (!file) {
        std::fprintf(stderr, "zolbas: cannot read the script %s\n", script.c_str());
        return zol::simulate::Simulation::kExitScriptError;
    }
    return simulation.run(file);
}

} // namespace

int run(const std::vector<std::string>& args, const char* version,
        const std::function<int(const CommandLine&)>& playWindowed) {
    const auto parsed = parseCommandLine(args);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "zolbas: %s\n%s", error->c_str(), kUsage);
        return kExitUsage;
    }
    const auto& line = std::get<CommandLine>(parsed);
    switch (line.mode) {
    case CommandLine::Mode::Help: std::fputs(kUsage, stdout); return 0;
    case CommandLine::Mode::Version: std::printf("zolbas %s\n", version); return 0;
    case CommandLine::Mode::Simulate: return simulate(line.script);
    case CommandLine::Mode::Play: break;
    }
    return playWindowed(line);
}

} // namespace zol::app
