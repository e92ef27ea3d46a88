#pragma once

#include "platform/SettingsStore.h"

#include <string>

namespace zol::win32 {

// The settings store of the classic settings functions: the registry key
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\APP\SECTION, one
// REG_SZ value per key. A value of another type reads as a text that is not
// a number, so the game falls back on its default and says so.
// The game's own preferences use the same store under the key
// HKEY_CURRENT_USER\Software\APP\SECTION (kOwnRoot).
class RegistrySettingsStore : public SettingsStore {
public:
    static constexpr const char* kClassicRoot = "Software\\VB and VBA Program Settings\\";
    static constexpr const char* kOwnRoot = "Software\\";

    explicit RegistrySettingsStore(const char* root = kClassicRoot) : root_(root) {}
    std::optional<std::string> read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    std::string write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override;

    // The key under HKEY_CURRENT_USER that holds one section.
    std::string keyPath(const std::string& app, const std::string& section) const {
        return root_ + app + "\\" + section;
    }

private:
    std::string root_;
};

} // namespace zol::win32
