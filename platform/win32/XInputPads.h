#pragma once

#include "platform/PadReading.h"
#include "platform/win32/PadSource.h"

namespace zol::win32 {

// The pads through XInput, loaded when the program runs: the newest XInput
// there is (Windows 8 and later), else the one every Windows since Vista
// has. A system without either simply has no pads. The library stays
// loaded until the program ends, as its own threads may outlive the last
// call (Wine's do).
class XInputPads : public PadSource {
public:
    XInputPads();

    bool loaded() const { return getState_ != nullptr; }
    std::optional<XINPUT_GAMEPAD> state(int slot) override;

private:
    using GetState = DWORD(WINAPI*)(DWORD slot, XINPUT_STATE* state);

    GetState getState_ = nullptr;
};

// An XInput pad as the game reads it: the d-pad, A (South), B (East),
// START and BACK, and the left stick from -1 to 1 with down positive.
PadReading padReading(const XINPUT_GAMEPAD& pad);

} // namespace zol::win32
