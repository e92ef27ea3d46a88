#include "shell/DisplayPreferences.h"

#include "platform/PrintableText.h"
#include "platform/SettingsStore.h"
#include "runtime/NumberText.h"

#include <cstdio>

namespace zol {

int DisplayPreferences::readValue(const char* key, int lowest, int highest, int fallback) {
    const auto text = store_.read(kApp, kSection, key);
    if (!text) return fallback;
    // Only plain digits: "+1", " 2" and "0x3" are not what the game writes.
    const bool digits = !text->empty() && text->size() <= 2 && text->find_first_not_of("0123456789") == std::string::npos;
    if (digits) {
        const auto value = parseStoredInteger(*text);
        if (value && *value >= lowest && *value <= highest) return *value;
    }
    if (const auto it = warned_.find(key); it != warned_.end() && it->second == *text) return fallback;
    warned_[key] = *text;
    std::fprintf(stderr, "zolbas: the stored display setting %s is not %d to %d (\"%s\"); using %d\n", key, lowest,
                 highest, printable(*text).c_str(), fallback);
    return fallback;
}

DisplayMode DisplayPreferences::load() {
    DisplayMode mode;
    mode.fullScreen = readValue(kFullScreenKey, 0, 1, 0) == 1;
    mode.windowFactor = readValue(kWindowScaleKey, 1, kLargestWindowFactor, 1);
    return mode;
}

void DisplayPreferences::save(const DisplayMode& mode) {
    std::string error = store_.write(kApp, kSection, kFullScreenKey, mode.fullScreen ? "1" : "0");
    if (error.empty()) error = store_.write(kApp, kSection, kWindowScaleKey, std::to_string(mode.windowFactor));
    if (!error.empty()) std::fprintf(stderr, "zolbas: the display setting was not kept: %s\n", error.c_str());
}

} // namespace zol
