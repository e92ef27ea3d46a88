#pragma once

#include "platform/SoundDevice.h"

#include <cstdint>
#include <string>

namespace zol {

// The trace's event of a sound told to play: the player number (1 the
// tune's, 2 the cues') and the file name part of its path.
std::string soundEvent(std::int64_t t, Channel channel, const std::string& path);

} // namespace zol
