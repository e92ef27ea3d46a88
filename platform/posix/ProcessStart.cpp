#include "platform/ProcessStart.h"

namespace zol {

// Here bytes are never translated and file names are bytes already.
std::vector<std::string> startProcess(int argc, char** argv) { return {argv, argv + argc}; }

std::FILE* openFile(const std::string& name, const char* mode) { return std::fopen(name.c_str(), mode); }

} // namespace zol
