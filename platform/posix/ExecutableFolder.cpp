#include "platform/ExecutableFolder.h"

#include <filesystem>
#include <system_error>

namespace zol {

std::string executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return exe.parent_path().string();
}

} // namespace zol
