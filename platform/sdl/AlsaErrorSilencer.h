#pragma once

namespace zol {

// On a machine without a sound card the ALSA library prints a dozen lines
// of its own to standard error while SDL looks for a device. The game says
// once that it has no sound, so ALSA is asked to keep quiet meanwhile.
class AlsaErrorSilencer {
public:
    AlsaErrorSilencer();
    ~AlsaErrorSilencer();
    AlsaErrorSilencer(const AlsaErrorSilencer&) = delete;
    AlsaErrorSilencer& operator=(const AlsaErrorSilencer&) = delete;

private:
    void* library_ = nullptr;
};

} // namespace zol
