#pragma once

#include "platform/SettingsStore.h"

namespace zol::win32 {

// The settings store of the classic settings functions: the registry key
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\APP\SECTION, one
// REG_SZ value per key. A value of another type reads as a text that is not
// a number, so the game falls back on its default and says so.
class RegistrySettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    std::string write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override;
};

// The key under HKEY_CURRENT_USER that holds one section.
std::string settingsKeyPath(const std::string& app, const std::string& section);

} // namespace zol::win32
