#pragma once

#include <optional>
#include <string>

namespace zol {

// The per-user settings store: text values addressed by application,
// section and key, which outlive the process.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key (or its section) is absent.
    virtual std::optional<std::string> read(const std::string& app, const std::string& section,
                                            const std::string& key) = 0;
    // Writes one value and makes it durable; gives an empty string on
    // success, or the reason the value could not be kept.
    virtual std::string write(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& text) = 0;
};

} // namespace zol
