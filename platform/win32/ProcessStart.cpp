#include "platform/ProcessStart.h"

#include "platform/win32/WideText.h"

#include "platform/win32/SystemHeaders.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

namespace zol {

namespace {

bool hasHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE;
}

// A windowed program started from a console has no standard output of its
// own; --help, --version and --simulate write to that console, unless
// their output is redirected already.
void reachParentConsole() {
    const bool output = hasHandle(STD_OUTPUT_HANDLE);
    const bool errors = hasHandle(STD_ERROR_HANDLE);
    if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!output) std::freopen("CONOUT$", "w", stdout);
    if (!errors) std::freopen("CONOUT$", "w", stderr);
}

} // namespace

// The C runtime would turn "\n" into "\r\n" on output and stop reading at
// a Ctrl-Z byte; and `argv` is in the ANSI code page, which cannot hold
// every name: the wide command line can.
std::vector<std::string> startProcess(int argc, char** argv) {
    reachParentConsole();
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** words16 = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words16) return {argv, argv + argc};
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) words.push_back(win32::utf8(words16[i]));
    LocalFree(words16);
    return words;
}

std::FILE* openFile(const std::string& name, const char* mode) {
    return _wfopen(utf8Path(name).c_str(), win32::wide(mode).c_str());
}

} // namespace zol
