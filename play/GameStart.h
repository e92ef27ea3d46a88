#pragma once

#include "play/GameState.h"
#include "play/PlayControls.h"

namespace zol::play {

// A new game: level 1, the meteorites of a game, no score, the meteorite
// centred at the top, the walkers at their slowest and the combo banner
// resting out of sight. Everything else stays as the last game left it.
void startGame(GameState& s, PlayControls& c);

// Giving up: the next tick ends the game.
void giveUp(GameState& s);

} // namespace zol::play
