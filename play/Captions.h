#pragma once

#include "play/GameState.h"
#include "play/PlayControls.h"
#include "store/Module1.h"

#include <string>

namespace zol::play {

// The status line: meteorites left (shown without sign), score and level.
std::string statusCaption(const GameState& s);
// The best score with the level a game would have at that score.
std::string bestScoreCaption(std::int32_t hiScore);
std::string bestComboCaption(std::int32_t maxCombo);

// Rewrites Label1, Label3 and Label4, in that order.
void writeCaptions(PlayControls& c, const GameState& s, const Module1& m);

} // namespace zol::play
