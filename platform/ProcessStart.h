#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace zol {

// Readies the process before it reads a byte or writes one: standard input
// and output carry bytes as they are (no line-end translation), and the
// command line comes back as UTF-8 words, the program's name first.
std::vector<std::string> startProcess(int argc, char** argv);

// Opens a file named in UTF-8, as std::fopen does.
std::FILE* openFile(const std::string& name, const char* mode);

// A path from a UTF-8 name, whatever the system's own encoding of names.
inline std::filesystem::path utf8Path(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

} // namespace zol
