#include "play/Captions.h"

#include "runtime/NumberText.h"
#include "runtime/Rounding.h"
#include "play/PlayRules.h"

#include <cstdlib>

namespace zol::play {

namespace {

// The dashes of the status line are full-width (U+FF0D), as is the colon of
// MAXCOMBO (U+FF1A); the dash of "HI-" and the colon of "LV:" are ASCII.
constexpr const char* kMeteorsText = "隕石のかず－";
constexpr const char* kScoreText = "個  現在の得点－";
constexpr const char* kLevelText = "Pts  ＬＥＶＥＬ－";
constexpr const char* kHiText = "HI-";
constexpr const char* kHiLevelText = "LV:";
constexpr const char* kComboText = "MAXCOMBO：";

} // namespace

std::string statusCaption(const GameState& s) {
    // The absolute value in 64 bits: the count is shown, never overflowed.
    return kMeteorsText + numberText(std::llabs(std::int64_t{s.meteorsLeft})) + kScoreText + numberText(s.score) +
           kLevelText + numberText(s.level);
}

std::string bestScoreCaption(std::int32_t hiScore) {
    return kHiText + numberText(hiScore) + kHiLevelText + numberText(std::int64_t{floorDiv(hiScore, kLevelPoints)} + 1);
}

std::string bestComboCaption(std::int32_t maxCombo) { return kComboText + numberText(maxCombo); }

void writeCaptions(PlayControls& c, const GameState& s, const BestScores& best) {
    c.statusLine.caption = statusCaption(s);
    c.bestScoreLabel.caption = bestScoreCaption(best.hiScore);
    c.bestComboLabel.caption = bestComboCaption(best.maxCombo);
}

} // namespace zol::play
