#include "platform/web/WebSoundDevice.h"

extern "C" {
int zolbas_sound_open(int channel, const char* fileName);
void zolbas_sound_rewind(int channel);
void zolbas_sound_play(int channel);
void zolbas_sound_close(int channel);
}

namespace zol::web {

bool WebSoundDevice::open(Channel channel, const std::string& path) {
    playing_[index(channel)] = false;
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return zolbas_sound_open(index(channel), name.c_str()) != 0;
}

void WebSoundDevice::rewind(Channel channel) { zolbas_sound_rewind(index(channel)); }

bool WebSoundDevice::play(Channel channel) {
    zolbas_sound_play(index(channel));
    return playing_[index(channel)] = true;
}

void WebSoundDevice::close(Channel channel) {
    playing_[index(channel)] = false;
    zolbas_sound_close(index(channel));
}

} // namespace zol::web
