#include "window/WindowedProgram.h"

#include "platform/BoxBookkeeping.h"
#include "platform/ExecutableFolder.h"
#include "platform/ProcessStart.h"
#include "platform/win32/SystemHeaders.h"
#include "platform/win32/WideText.h"
#include "platform/win32/XInputPads.h"
#include "trace/Trace.h"
#include "win32/Win32Game.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace zol::window {

// The game in native windows, read from the keyboard and XInput's pads.
// Gives the exit status.
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
    win32::XInputPads pads;
    win32::Win32Game game(trace, executableFolder(), pads, [](const std::string& message) {
        MessageBoxW(nullptr, win32::wide(message).c_str(), win32::wide(BoxBookkeeping::kProgramCaption).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
        std::exit(1);
    });
    const int status = game.run();
    if (traceOut) std::fclose(traceOut);
    return status;
}

} // namespace zol::window
