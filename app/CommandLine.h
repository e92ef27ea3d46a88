#pragma once

#include <string>
#include <variant>
#include <vector>

namespace zol::app {

// What the command line asks for. It is read before any application object
// exists, so --help and --version work without a display.
struct CommandLine {
    enum class Mode { Play, Simulate, Help, Version };
    Mode mode = Mode::Play;
    std::string script;     // --simulate: a file path, or - for standard input
    std::string traceFile;  // --trace: where the events of the windowed run go
};

std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "Usage: zolbas [--trace FILE]\n"
    "       zolbas --simulate SCRIPT\n"
    "\n"
    "ゾルバス (Zolbas): steer the falling meteorite onto the people below.\n"
    "\n"
    "  --trace FILE       write the events of this run to FILE as JSON Lines\n"
    "  --simulate SCRIPT  run the game headless on a virtual clock, driven by\n"
    "                     SCRIPT (a file, or - for standard input); the events\n"
    "                     go to standard output\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n";

} // namespace zol::app
