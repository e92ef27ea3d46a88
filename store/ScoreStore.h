#pragma once

#include <map>
#include <string>

namespace zol {

class Clock;
class SettingsStore;
class Trace;
struct BestScores;

// The best score and best combo between runs: application "ZOL", section
// "1", keys "HI" and "HIc", values as decimal text.
class ScoreStore {
public:
    static constexpr const char* kApp = "ZOL";
    static constexpr const char* kSection = "1";
    static constexpr const char* kHiKey = "HI";
    static constexpr const char* kComboKey = "HIc";
    static constexpr int kHiDefault = 1000;
    static constexpr int kComboDefault = 0;

    ScoreStore(BestScores& best, SettingsStore& settings, Trace& trace, const Clock& clock);

    // Sets the best values from the store. A stored text that is not a
    // number in range gives that key's default and one warning line on
    // standard error (once for the same text, however often it is loaded);
    // the next save writes a valid value over it.
    void load();

    // Writes hiScore and maxCombo. A stored best that is higher than the one
    // in memory (another copy of the game did better meanwhile) is taken
    // first, so a save never lowers a best. Gives an empty string, or the
    // reason the values could not be kept.
    std::string save();

private:
    int readValue(const char* key, int fallback);

    BestScores& best_;
    SettingsStore& settings_;
    Trace& trace_;
    const Clock& clock_;
    std::map<std::string, std::string> warned_;
};

} // namespace zol
