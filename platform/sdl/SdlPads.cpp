#include "platform/sdl/SdlPads.h"

#include <SDL.h>

namespace zol {

namespace {

float stick(SDL_GameController* pad, SDL_GameControllerAxis axis) {
    return static_cast<float>(SDL_GameControllerGetAxis(pad, axis)) / 32767.0f;
}

PadReading readingOf(SDL_GameController* pad) {
    PadReading r;
    const auto button = [pad](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(pad, b) != 0; };
    r[PadControl::Up] = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    r[PadControl::Down] = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    r[PadControl::Left] = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    r[PadControl::Right] = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    r[PadControl::South] = button(SDL_CONTROLLER_BUTTON_A);
    r[PadControl::East] = button(SDL_CONTROLLER_BUTTON_B);
    r[PadControl::Start] = button(SDL_CONTROLLER_BUTTON_START);
    r[PadControl::Back] = button(SDL_CONTROLLER_BUTTON_BACK);
    r.stickX = stick(pad, SDL_CONTROLLER_AXIS_LEFTX);
    r.stickY = stick(pad, SDL_CONTROLLER_AXIS_LEFTY);
    return r;
}

} // namespace

SdlPads::SdlPads() {
    // SDL's event subsystem would take SIGINT and SIGTERM for an event
    // nobody reads: the program must still end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Every pad through its kernel driver's event file, which reports only
    // what changed, rather than through SDL's own HID drivers, which take
    // many reports a second from some pads left alone (a player may still
    // ask for them: SDL_JOYSTICK_HIDAPI=1).
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!ready_) return;
    // The program reads the states itself: no event queue fills meanwhile.
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_GameControllerEventState(SDL_IGNORE);
}

SdlPads::~SdlPads() {
    if (!ready_) return;
    for (SDL_GameController* pad : open_)
        if (pad) SDL_GameControllerClose(pad);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlPads::rescan(const Gone& gone) {
    if (!ready_) return;
    // Also finds the devices that came and went since the last update.
    SDL_GameControllerUpdate();
    for (int slot = 0; slot < kSlots; ++slot) {
        if (open_[slot] && !SDL_GameControllerGetAttached(open_[slot])) {
            SDL_GameControllerClose(open_[slot]);
            open_[slot] = nullptr;
            gone(slot);
        }
    }
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        if (!SDL_IsGameController(device)) continue;
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
        bool known = false;
        for (SDL_GameController* pad : open_)
            known = known || (pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id);
        if (known) continue;
        for (SDL_GameController*& slot : open_) {
            if (!slot) {
                slot = SDL_GameControllerOpen(device);
                break;
            }
        }
    }
}

bool SdlPads::any() const {
    for (SDL_GameController* pad : open_)
        if (pad) return true;
    return false;
}

std::vector<std::string> SdlPads::deviceFiles() const {
    std::vector<std::string> files;
    for (SDL_GameController* pad : open_) {
        if (!pad) continue;
        const char* path = SDL_JoystickPath(SDL_GameControllerGetJoystick(pad));
        files.emplace_back(path ? path : "");
    }
    return files;
}

void SdlPads::read(const Reading& reading) {
    if (!ready_ || !any()) return;
    SDL_GameControllerUpdate();
    for (int slot = 0; slot < kSlots; ++slot)
        if (open_[slot] && SDL_GameControllerGetAttached(open_[slot])) reading(slot, readingOf(open_[slot]));
}

} // namespace zol
