#pragma once

#include "platform/SettingsStore.h"

#include <map>

namespace zol::sim {

// The settings store in memory, empty at program start.
class SimSettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& app, const std::string& section,
                                    const std::string& key) override {
        const auto it = values_.find(app + "/" + section + "/" + key);
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    std::string write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override {
        values_[app + "/" + section + "/" + key] = text;
        return {};
    }
    void set(const std::string& key, const std::string& text) { values_["ZOL/1/" + key] = text; }
    void unset(const std::string& key) { values_.erase("ZOL/1/" + key); }

private:
    std::map<std::string, std::string> values_;
};

} // namespace zol::sim
