#pragma once

#include "app/CommandLine.h"

#include <functional>
#include <string>
#include <vector>

namespace zol::app {

// The program's entry, whatever front end it has: reads the command line,
// answers --help and --version, runs --simulate, and hands a game in a window
// to `playWindowed`. Gives the exit status.
int run(const std::vector<std::string>& args, const char* version,
        const std::function<int(const CommandLine&)>& playWindowed);

} // namespace zol::app
