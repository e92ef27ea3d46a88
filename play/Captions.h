#pragma once

#include "play/GameState.h"
#include "play/PlayControls.h"
#include "store/BestScores.h"

#include <cstdint>
#include <string>

namespace zol::play {

// The status line: meteorites left (shown without sign), score and level.
std::string statusCaption(const GameState& s);
// The best score with the level a game would have at that score.
std::string bestScoreCaption(std::int32_t hiScore);
std::string bestComboCaption(std::int32_t maxCombo);

// Rewrites the status line, the best score and the best combo, in that order.
void writeCaptions(PlayControls& c, const GameState& s, const BestScores& best);

} // namespace zol::play
