#pragma once

#include "shell/Program.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zol::test {

// What must hold after every processed tick, whatever the player did. It
// is told the state just before the tick, so it can check what the captions
// of the tick show.
class TickInvariants {
public:
    // A new game has loaded: a combo carried over from the game before may
    // stand with the banner idle until this game's first crush.
    void newGame(const PlayScreen& play);
    // Just before a tick runs.
    void before(const PlayScreen& play, const BestScores& best);
    // Right after it; gives every broken rule, empty when all hold.
    std::vector<std::string> after(const PlayScreen& play, const BestScores& best);

private:
    std::int32_t meteorsLeft_ = 0, score_ = 0, level_ = 0, maxCombo_ = 0, carriedCombo_ = 0;
    bool downHeld_ = false;
    bool flownThisGame_ = false;
};

} // namespace zol::test
