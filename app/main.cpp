#include "app/CommandLine.h"
#include "simulate/Simulation.h"
#include "window/WindowedProgram.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

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

int main(int argc, char** argv) {
    const auto parsed = zol::app::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "zolbas: %s\n%s", error->c_str(), zol::app::kUsage);
        return 2;
    }
    const auto& line = std::get<zol::app::CommandLine>(parsed);
    switch (line.mode) {
    case zol::app::CommandLine::Mode::Help: std::fputs(zol::app::kUsage, stdout); return 0;
    case zol::app::CommandLine::Mode::Version: std::printf("zolbas %s\n", ZOLBAS_VERSION); return 0;
    case zol::app::CommandLine::Mode::Simulate: return simulate(line.script);
    case zol::app::CommandLine::Mode::Play: break;
    }
    return zol::window::runWindowed(argc, argv, line.traceFile);
}
