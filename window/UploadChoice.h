#pragma once

#include <optional>
#include <string_view>

namespace zol::window {

// How Qt sends what it painted to an X server. Through shared memory it
// must wait for the server before it paints again where the last upload
// was: a round trip at every tick. Over the connection it copies the
// changed pixels instead, which costs less while the window is painted at
// its designed size and more at twice that (bench/cpu.sh, BENCHMARKS.md).
// So the game asks for uploads over the connection only where it can tell
// that Qt will not scale: no scale factor in the environment, and an X
// font resolution (Xft.dpi) of at most 96. Must run before the
// application object is made; leaves a choice made in the environment.
void chooseXUploads();

// The Xft.dpi of an X resource database as the RESOURCE_MANAGER property
// holds it (one "name:\tvalue" a line); nothing when it has none.
std::optional<double> xftDpi(std::string_view resources);

} // namespace zol::window
