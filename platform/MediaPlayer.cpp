#include "platform/MediaPlayer.h"

#include "platform/Clock.h"
#include "platform/JsonLine.h"
#include "platform/SoundDevice.h"
#include "platform/Trace.h"

namespace zol {

namespace {

std::string fileNamePart(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

MediaPlayer::MediaPlayer(int id, SoundDevice& device, Trace& trace, const Clock& clock)
    : id_(id), device_(device), trace_(trace), clock_(clock) {}

// A player that goes with its form stops what it plays.
MediaPlayer::~MediaPlayer() {
    if (open_) device_.close(id_);
}

void MediaPlayer::setCommand(std::string_view command) {
    if (command == "Close") {
        if (open_) device_.close(id_);
        open_ = false;
    } else if (command == "Open") {
        if (open_) device_.close(id_);
        open_ = device_.open(id_, fileName_);
    } else if (command == "Prev") {
        if (open_) device_.rewind(id_);
    } else if (command == "Play") {
        if (open_ && device_.play(id_) && trace_.enabled()) {
            trace_.write(JsonLine("sound", clock_.nowMs())
                             .field("player", id_)
                             .field("file", fileNamePart(fileName_))
                             .str());
        }
    }
}

int MediaPlayer::mode() const {
    if (!open_) return kModeNotOpen;
    return device_.isPlaying(id_) ? kModePlaying : kModeStopped;
}

} // namespace zol
