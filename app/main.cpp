#include "app/CommandLine.h"
#include "platform/ProcessStart.h"
#include "simulate/Simulation.h"
#include "window/WindowedProgram.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

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

int main(int argc, char** argv) {
    const std::vector<std::string> words = zol::startProcess(argc, argv);
    const auto parsed = zol::app::parseCommandLine(std::vector<std::string>(words.begin() + (words.empty() ? 0 : 1), words.end()));
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
