// The tick pacing of the Win32 timer service with the game's own rules: a
// game on the Win32 timers, boxes, registry and sound, without windows,
// for a number of seconds (Down held in "down" mode, so walkers are
// crushed and the banner flies). Reports the intervals between processed
// ticks and the processor time taken.
//
//   zolbas_win32_pacing_bench [SECONDS] [idle|down]
#include "platform/ExecutableFolder.h"
#include "platform/Platform.h"
#include "platform/SteadyClock.h"
#include "trace/Trace.h"
#include "platform/sim/SimWindows.h"
#include "platform/win32/MciSoundDevice.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/SystemHeaders.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32TimerService.h"
#include "platform/HandlerGuard.h"
#include "shell/Program.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace zol;

namespace {


double processorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& f) {
        return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The lastTick of every tick event written to `events`.
std::vector<long long> tickReadings(std::FILE* events) {
    std::vector<long long> readings;
    std::rewind(events);
    char line[4096];
    while (std::fgets(line, sizeof line, events)) {
        if (!std::strstr(line, "\"ev\":\"tick\"")) continue;
        if (const char* at = std::strstr(line, "\"lastTick\":")) readings.push_back(std::atoll(at + 11));
    }
    return readings;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const bool down = argc > 2 && std::strcmp(argv[2], "down") == 0;
    std::FILE* events = std::tmpfile();
    Trace trace(events);
    SteadyClock clock;
    HandlerGuard guard([](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::exit(1);
    });
    win32::Win32TimerService timers(clock, guard);
    win32::Win32MessageBoxes boxes(timers.hold(), guard, trace, clock);
    win32::RegistrySettingsStore settings;
    win32::MciSoundDevice sound;
    sim::SimWindows windows;
    sim::SimDrawing explosion;
    Platform platform{clock, timers, boxes, settings, sound, windows, explosion, trace, executableFolder()};
    Program program(platform);
    program.start();
    program.title().play();
    if (down) program.play().keyDown(play::Key::Down);

    const double cpuBefore = processorSeconds();
    const ULONGLONG wallBefore = GetTickCount64();
    SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); });
    timers.runMessageLoop();
    const double cpu = processorSeconds() - cpuBefore;
    const double wall = static_cast<double>(GetTickCount64() - wallBefore) / 1000.0;

    const auto readings = tickReadings(events);
    std::vector<long long> gaps;
    for (std::size_t i = 1; i < readings.size(); ++i) gaps.push_back(readings[i] - readings[i - 1]);
    if (gaps.empty()) {
        std::fprintf(stderr, "no ticks\n");
        return 1;
    }
    std::sort(gaps.begin(), gaps.end());
    const auto exact = std::count(gaps.begin(), gaps.end(), gaps[gaps.size() / 2]);
    std::printf("mode %s: %zu ticks, interval median %lld ms (%lld of %zu), p99 %lld ms, min %lld ms, max %lld ms; "
                "cpu %.2f %% of one core\n",
                down ? "down" : "idle", readings.size(), gaps[gaps.size() / 2], static_cast<long long>(exact),
                gaps.size(), gaps[std::min(gaps.size() - 1, gaps.size() * 99 / 100)], gaps.front(), gaps.back(),
                cpu / wall * 100.0);
    return 0;
}
