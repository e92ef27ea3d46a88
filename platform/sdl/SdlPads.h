#pragma once

#include "platform/PadReading.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

struct _SDL_GameController;

namespace zol {

// The pads SDL's game controller API knows (with its mapping database), in
// slots numbered from 0 that a pad keeps while it stays connected. SDL is
// asked only when told: nothing here wakes the program.
class SdlPads {
public:
    static constexpr int kSlots = 16;
    using Reading = std::function<void(int slot, const PadReading& reading)>;
    using Gone = std::function<void(int slot)>;

    // A system where SDL cannot read pads simply has none.
    SdlPads();
    ~SdlPads();
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    // Looks for pads that came and went; `gone` hears of each that went.
    void rescan(const Gone& gone);
    bool any() const;
    // The device file SDL reads each open pad from, empty where it names
    // none (a virtual pad).
    std::vector<std::string> deviceFiles() const;
    // Reads every open pad.
    void read(const Reading& reading);

private:
    bool ready_ = false;
    std::array<_SDL_GameController*, kSlots> open_{};
};

} // namespace zol
