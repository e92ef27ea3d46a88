#pragma once

#include "play/GameState.h"
#include "play/PlayControls.h"
#include "play/HeldKeys.h"
#include "store/BestScores.h"

#include <array>
#include <cstdint>
#include <string>

namespace zol::play {

// The trace's events of the play screen, as the game stands at time t.
std::string tickEvent(std::int64_t t, const GameState& s, const PlayControls& c, const BestScores& best, const HeldKeys& keys,
                      const std::array<bool, 3>& timers);
std::string bannerEvent(std::int64_t t, const GameState& s, const PlayControls& c, bool bannerTimer);
std::string gameOverEvent(std::int64_t t, float x0, int lines, int circles);

} // namespace zol::play
