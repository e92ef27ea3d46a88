#pragma once

#include "play/GameState.h"
#include "play/PlayControls.h"

#include <cstdint>

namespace zol::play {

// The combo banner's flight: it enters from the left, slows to a halt at
// 900 twips and slides back out; 18 steps from start to end.

// Raises the combo by this landing's crushes and sends the banner off from
// the start, also when it was already on its way.
void startFlight(GameState& s, PlayControls& c, std::int32_t hitCount);

// One step of the flight. Gives false when the banner has left the screen:
// then it stands at its resting place and the combo is over.
bool flyBanner(GameState& s, PlayControls& c);

} // namespace zol::play
