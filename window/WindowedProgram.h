#pragma once

#include <string>

namespace zol::window {

// The game in its windows: the Qt front end with the Qt, SDL and QSettings
// backends. Gives the exit status.
int runWindowed(int argc, char** argv, const std::string& traceFile);

} // namespace zol::window
