#pragma once

#include "shell/DisplayMode.h"

#include <map>
#include <string>

namespace zol {

class SettingsStore;

// The display mode between runs, kept apart from the best values: the
// application "zolbas" (zolbas.ini, the registry key Software\Zolbas, the
// page's items under "zolbas/"), section "display", keys "fullscreen" (0 or
// 1) and "window_scale" (1 to kLargestWindowFactor).
class DisplayPreferences {
public:
    static constexpr const char* kApp = "zolbas";
    static constexpr const char* kSection = "display";
    static constexpr const char* kFullScreenKey = "fullscreen";
    static constexpr const char* kWindowScaleKey = "window_scale";

    explicit DisplayPreferences(SettingsStore& store) : store_(store) {}

    // The stored mode. A value that is not one of its key's gives that
    // key's default and one warning line on standard error.
    DisplayMode load();
    // Keeps the mode; a store that refuses is told on standard error, since
    // the game goes on as well without it.
    void save(const DisplayMode& mode);

private:
    int readValue(const char* key, int lowest, int highest, int fallback);

    SettingsStore& store_;
    std::map<std::string, std::string> warned_;
};

} // namespace zol
