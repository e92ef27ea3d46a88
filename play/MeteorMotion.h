#pragma once

#include "play/GameState.h"
#include "play/HeldKeys.h"
#include "play/PlayControls.h"

#include <array>
#include <cstdint>

namespace zol::play {

// The meteorite's motion within a tick: steering and the Down push, the
// restart at the top, the fall with its wall bounces and the ground.

// The level's part in the speeds, capped at 30.
std::int32_t speedFactor(std::int32_t level);

// Left and Right change the sideways speed; Down pushes the meteorite down
// and earns a point.
void steer(GameState& s, const HeldKeys& keys, std::int32_t factor);

// Back to height 200 with no sideways speed, in the same column.
void restartMeteor(GameState& s);

// The fall, the walls (speed reversed and halved)
// and the ground, where the meteorite is lost and restarts.
void fall(GameState& s, PlayControls& c, std::int32_t factor);

} // namespace zol::play
