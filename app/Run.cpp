#include "app/Run.h"

#include "platform/ProcessStart.h"
#include "simulate/Simulation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace zol::app {

namespace {

constexpr int kExitUsage = 2;

int simulate(const std::string& script) {
    // Unsynchronised, standard input reports a read error (a directory) as
    // one instead of as the end of the script.
    std::ios::sync_with_stdio(false);
    zol::simulate::Simulation simulation(stdout);
    if (script == "-") return simulation.run(std::cin);
    std::ifstream file(zol::utf8Path(script), std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "zolbas: cannot read the script %s: %s\n", script.c_str(), std::strerror(errno));
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
