#include "window/WindowedProgram.h"

#include "platform/ExecutableFolder.h"
#include "platform/ProcessStart.h"
#include "platform/SteadyClock.h"
#include "platform/win32/MciSoundDevice.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/SystemHeaders.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32TimerService.h"
#include "shell/FrontEnd.h"
#include "shell/HandlerGuard.h"
#include "trace/Trace.h"
#include "win32/Win32Windows.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace zol::window {

// The game in native windows: the Win32 front end with the Win32 timers,
// message boxes, registry and MCI sound. Gives the exit status.
int runWindowed(int, char**, const std::string& traceFile) {
    std::FILE* traceOut = nullptr;
    if (!traceFile.empty() && !(traceOut = openFile(traceFile, "wb"))) {
        std::fprintf(stderr, "zolbas: cannot write the trace file %s\n", traceFile.c_str());
        return 2;
    }
    // Themed buttons (common controls 6, as the manifest asks).
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Trace trace(traceOut);
    SteadyClock clock;
    HandlerGuard guard([](const std::string& message) {
        MessageBoxW(nullptr, win32::wide(message).c_str(), win32::wide(BoxBookkeeping::kProgramCaption).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
        std::exit(1);
    });
    win32::Win32TimerService timers(clock, guard);
    win32::Win32MessageBoxes boxes(timers.hold(), guard, trace, clock);
    win32::RegistrySettingsStore settings;
    win32::RegistrySettingsStore preferences(win32::RegistrySettingsStore::kOwnRoot);
    win32::MciSoundDevice sound;
    win32::Win32Windows* windows = nullptr;
    FrontEnd game({clock, timers, boxes, settings, preferences, sound, trace, executableFolder()}, guard, [&](FrontEnd& g) {
        auto made = std::make_unique<win32::Win32Windows>(g);
        windows = made.get();
        return made;
    });

    game.start();
    const int status =
        game.ended() ? 0 : timers.runMessageLoop([&](MSG& message) { return windows->dialogKeys(message); });
    if (traceOut) std::fclose(traceOut);
    return status;
}

} // namespace zol::window
