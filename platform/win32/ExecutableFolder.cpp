#include "platform/ExecutableFolder.h"

#include "platform/win32/SystemHeaders.h"

#include <filesystem>
#include <string>

namespace zol {

// The module's own file name, in UTF-16 so that any folder name survives,
// given back as UTF-8 like every other text of the game.
std::string executableFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return ".";
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);  // the name was cut short
    }
    const std::u8string folder = std::filesystem::path(name).parent_path().u8string();
    return {folder.begin(), folder.end()};
}

} // namespace zol
