#include "store/ScoreStore.h"

#include "platform/Clock.h"
#include "trace/JsonLine.h"
#include "runtime/NumberText.h"
#include "platform/PrintableText.h"
#include "platform/SettingsStore.h"
#include "trace/Trace.h"
#include "store/BestScores.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace zol {

ScoreStore::ScoreStore(BestScores& best, SettingsStore& settings, Trace& trace, const Clock& clock)
    : best_(best), settings_(settings), trace_(trace), clock_(clock) {}

int ScoreStore::readValue(const char* key, int fallback) {
    const auto text = settings_.read(kApp, kSection, key);
    if (!text) return fallback;
    if (const auto value = parseStoredInteger(*text)) return *value;
    if (const auto it = warned_.find(key); it != warned_.end() && it->second == *text) return fallback;
    warned_[key] = *text;
    std::fprintf(stderr, "zolbas: the stored best value %s is not a number in range (\"%s\"); using %d\n", key,
                 printable(*text).c_str(), fallback);
    return fallback;
}

void ScoreStore::load() {
    best_.hiScore = readValue(kHiKey, kHiDefault);
    best_.maxCombo = readValue(kComboKey, kComboDefault);
    if (trace_.enabled()) {
        trace_.write(JsonLine("store", clock_.nowMs())
                         .field("op", "load")
                         .field("hiScore", best_.hiScore)
                         .field("maxCombo", best_.maxCombo)
                         .str());
    }
}

std::string ScoreStore::save() {
    // Only a stored text that really is a number can raise the best in
    // memory; anything else is simply overwritten, without a second warning.
    if (const auto stored = settings_.read(kApp, kSection, kHiKey)) {
        if (const auto value = parseStoredInteger(*stored)) best_.hiScore = std::max(best_.hiScore, *value);
    }
    if (const auto stored = settings_.read(kApp, kSection, kComboKey)) {
        if (const auto value = parseStoredInteger(*stored)) best_.maxCombo = std::max(best_.maxCombo, *value);
    }

    std::string error = settings_.write(kApp, kSection, kHiKey, numberText(best_.hiScore));
    const std::string comboError = settings_.write(kApp, kSection, kComboKey, numberText(best_.maxCombo));
    if (error.empty()) error = comboError;

    if (trace_.enabled()) {
        trace_.write(JsonLine("store", clock_.nowMs())
                         .field("op", "save")
                         .field("hiScore", best_.hiScore)
                         .field("maxCombo", best_.maxCombo)
                         .str());
    }
    return error;
}

} // namespace zol
