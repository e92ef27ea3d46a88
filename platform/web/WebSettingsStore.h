#pragma once

#include "platform/SettingsStore.h"

namespace zol::web {

// The settings store of the page: the browser's localStorage, one item per
// value, named application/section/key ("ZOL/1/HI"), the text as it is. A
// browser that refuses to store (private browsing, a full or disabled
// storage) makes a write fail with its reason; reading then finds nothing.
class WebSettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    std::string write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override;

    static std::string itemName(const std::string& app, const std::string& section, const std::string& key) {
        return app + "/" + section + "/" + key;
    }
};

} // namespace zol::web
