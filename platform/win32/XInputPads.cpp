#include "platform/win32/XInputPads.h"

#include <algorithm>
#include <utility>

namespace zol::win32 {

namespace {

// Best first.
constexpr const wchar_t* kLibraries[] = {L"xinput1_4.dll", L"xinput9_1_0.dll"};
// A stick's reach either way from the centre; the lowest reading is one
// further, which the reading clamps.
constexpr float kStickReach = 32767.0f;

constexpr std::pair<WORD, PadControl> kButtons[] = {
    {XINPUT_GAMEPAD_DPAD_UP, PadControl::Up},     {XINPUT_GAMEPAD_DPAD_DOWN, PadControl::Down},
    {XINPUT_GAMEPAD_DPAD_LEFT, PadControl::Left}, {XINPUT_GAMEPAD_DPAD_RIGHT, PadControl::Right},
    {XINPUT_GAMEPAD_A, PadControl::South},        {XINPUT_GAMEPAD_B, PadControl::East},
    {XINPUT_GAMEPAD_START, PadControl::Start},    {XINPUT_GAMEPAD_BACK, PadControl::Back},
};

float stick(SHORT axis) { return std::clamp(axis / kStickReach, -1.0f, 1.0f); }

} // namespace

XInputPads::XInputPads() {
    for (const wchar_t* name : kLibraries) {
        if (const HMODULE library = LoadLibraryW(name)) {
            getState_ = reinterpret_cast<GetState>(reinterpret_cast<void*>(GetProcAddress(library, "XInputGetState")));
            return;
        }
    }
}

std::optional<XINPUT_GAMEPAD> XInputPads::state(int slot) {
    XINPUT_STATE state{};
    if (!getState_ || getState_(static_cast<DWORD>(slot), &state) != ERROR_SUCCESS) return std::nullopt;
    return state.Gamepad;
}

PadReading padReading(const XINPUT_GAMEPAD& pad) {
    PadReading reading;
    for (const auto& [bit, control] : kButtons) reading[control] = (pad.wButtons & bit) != 0;
    reading.stickX = stick(pad.sThumbLX);
    // XInput counts up as positive.
    reading.stickY = -stick(pad.sThumbLY);
    return reading;
}

} // namespace zol::win32
