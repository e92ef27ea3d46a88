#include "trace/SoundEvents.h"

#include "trace/JsonLine.h"

namespace zol {

std::string soundEvent(std::int64_t t, Channel channel, const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    // "player": the tune's player is 1, the cues' 2.
    return JsonLine("sound", t).field("player", channel == Channel::Tune ? 1 : 2).field("file", fileName).str();
}

} // namespace zol
