#pragma once

#include "platform/SteadyClock.h"
#include "platform/win32/MciSoundDevice.h"
#include "platform/win32/PadSource.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32TimerService.h"
#include "shell/FrontEnd.h"
#include "platform/HandlerGuard.h"
#include "win32/PadReader.h"

#include <functional>
#include <optional>
#include <string>

namespace zol {
class Trace;
}

namespace zol::win32 {

class Win32Windows;

// The game behind its Win32 windows, with the Win32 timers, message boxes,
// registry, MCI sound, the display's keys and the pads of `pads`: what the
// windowed program runs, and what a test drives in its own process.
class Win32Game {
public:
    // `runtimeError` hears a run-time error's message; the game is over.
    Win32Game(Trace& trace, const std::string& appPath, PadSource& pads,
              std::function<void(const std::string&)> runtimeError);
    ~Win32Game();
    Win32Game(const Win32Game&) = delete;
    Win32Game& operator=(const Win32Game&) = delete;

    // The title screen opens and the messages run until the program ends,
    // or a WM_QUIT comes; gives its exit code.
    int run();
    FrontEnd& frontEnd() { return game_; }

private:
    SteadyClock clock_;
    HandlerGuard guard_;
    Win32TimerService timers_;
    Win32MessageBoxes boxes_;
    RegistrySettingsStore settings_;
    RegistrySettingsStore preferences_{RegistrySettingsStore::kOwnRoot};
    MciSoundDevice sound_;
    Win32Windows* windows_ = nullptr;
    FrontEnd game_;
    // Made once the game is, and gone before its windows, which tell it of
    // the keyboard coming and going until the last of them goes.
    std::optional<PadReader> pads_;
};

} // namespace zol::win32
