#pragma once

#include "runtime/Rnd.h"
#include "play/GameState.h"
#include "play/PlayControls.h"

namespace zol::play {

// One walker's step of the tick: move, animate, come back when it has left
// the play area or its crush has run out, and show the right picture.
void updateWalker(GameState& s, PlayControls& c, int i, Rnd& rnd);

// A new place, direction and frame for walker i: three draws, in order.
void respawnWalker(GameState& s, int i, Rnd& rnd);

// The walker store's index for walker i's picture: a walking frame by
// direction, or one of the three crush frames.
int walkerPicture(const GameState& s, int i);

} // namespace zol::play
