#pragma once

#include <string>

namespace zol {

// App.Path: the folder of the running executable, without a trailing
// separator (except for the root folder itself).
std::string executableFolder();

} // namespace zol
