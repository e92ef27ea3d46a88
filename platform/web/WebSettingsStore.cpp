#include "platform/web/WebSettingsStore.h"

#include "platform/web/JsText.h"

extern "C" {
char* zolbas_storage_read(const char* name);
char* zolbas_storage_write(const char* name, const char* text);
}

namespace zol::web {

std::optional<std::string> WebSettingsStore::read(const std::string& app, const std::string& section,
                                                  const std::string& key) {
    return takeJsText(zolbas_storage_read(itemName(app, section, key).c_str()));
}

std::string WebSettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                                    const std::string& text) {
    return takeJsText(zolbas_storage_write(itemName(app, section, key).c_str(), text.c_str())).value_or("");
}

} // namespace zol::web
