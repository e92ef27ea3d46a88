#pragma once

#include <string>

namespace zol {

// The folder of the running executable, where its sound files lie beside
// it; without a trailing separator (except for the root folder itself).
// Each system's backend finds it in its own way.
std::string executableFolder();

} // namespace zol
