#pragma once

#include "platform/Drawing.h"

namespace zol::play {

// The explosion drawn where the meteorite last was: 16 sweeps of 301 pairs
// of lines closing in on the top left corner, then a red disc of 601 circles.

// Lines of pass k (0 to 15) at step j (-300 to 0): red brightens towards
// j = 0, blue rises by 25 a pass up to 255.
Rgb sweepColour(int k, int j);
// The circle of radius r twips (0 to 600): red brightens outwards.
Rgb blastColour(int r);

struct ExplosionCount {
    int lines = 0;
    int circles = 0;
};

// Draws the whole explosion from the start point (x0, 5640), x0 being the
// meteorite's last Left.
ExplosionCount drawExplosion(Drawing& drawing, float x0);

} // namespace zol::play
