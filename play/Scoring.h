#pragma once

#include "play/GameState.h"
#include "play/PlayControls.h"
#include "store/BestScores.h"

#include <cstdint>

namespace zol::play {

// The scoring rules of the tick: crushes, the combo bonus, the best values
// kept during play and the level-up.

// Whether the meteorite, where it stands now, crushes walker i: its middle
// height lies within the walker's height, the walker's middle within the
// meteorite's width, and the walker is not already crushed.
bool crushes(const GameState& s, const PlayControls& c, int i);

// Scores a crush of walker i: 100 points at level 1, 10 more a level, and
// the crush animation starts with the next tick.
void crush(GameState& s, int i);

// A landing that crushed walkers earns 50 points for every count of the
// combo, this landing's crushes included.
void addComboBonus(GameState& s);

// The best score follows the score; the best combo follows the combo.
void keepBestScore(const GameState& s, BestScores& best);
void keepBestCombo(const GameState& s, BestScores& best);

// One level a tick at most, every 300 points; the walkers speed up to 50.
// Gives whether the level rose.
bool levelUp(GameState& s);

} // namespace zol::play
