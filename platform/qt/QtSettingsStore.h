#pragma once

#include "platform/SettingsStore.h"

#include <optional>
#include <string>

namespace zol::qt {

// The settings store on QSettings: an INI file per application in the
// user's configuration folder ($XDG_CONFIG_HOME, by default ~/.config), so
// application "ZOL" is ZOL.ini. The file is read anew for every value, and
// every write is synced at once and its status checked.
class QtSettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    std::string write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override;
};

} // namespace zol::qt
