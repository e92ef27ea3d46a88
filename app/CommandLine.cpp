#include "app/CommandLine.h"

#include <cstddef>

namespace zol::app {

std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            return CommandLine{CommandLine::Mode::Help, {}, {}};
        } else if (arg == "--version") {
            return CommandLine{CommandLine::Mode::Version, {}, {}};
        } else if (arg == "--simulate") {
            if (!hasValue) return std::string("--simulate needs a script (a file, or -)");
            line.mode = CommandLine::Mode::Simulate;
            line.script = args[++i];
        } else if (arg == "--trace") {
            if (!hasValue) return std::string("--trace needs a file");
            line.traceFile = args[++i];
        } else {
            return "unknown argument: " + arg;
        }
    }
    if (line.mode == CommandLine::Mode::Simulate && !line.traceFile.empty())
        return std::string("--trace is for the windowed game; --simulate writes its events to standard output");
    return line;
}

} // namespace zol::app
