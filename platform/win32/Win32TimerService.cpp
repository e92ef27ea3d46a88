#include "platform/win32/Win32TimerService.h"

#include <mmsystem.h>

#include <algorithm>
#include <chrono>

namespace zol::win32 {

namespace {

// The long sleep ends this much before the event; a short one follows, so
// a late wake-up of the system still lands inside the event's millisecond.
constexpr auto kAimEarly = std::chrono::milliseconds(1);
// Where the high-resolution timer is missing, the ordinary one keeps to
// the system's timer resolution: a millisecond while the game runs.
constexpr UINT kTimerResolutionMs = 1;
// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION (Windows 10 1803), which not every
// mingw-w64 header names yet.
constexpr DWORD kHighResolutionTimer = 0x00000002;

} // namespace

Win32TimerService::Win32TimerService(const SteadyClock& clock, HandlerGuard& guard)
    : ScheduledTimers(clock, guard), clock_(clock) {
    timeBeginPeriod(kTimerResolutionMs);
    waitable_ = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
    // Before Windows 10 1803 there is only the ordinary kind.
    if (!waitable_) waitable_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

Win32TimerService::~Win32TimerService() {
    CloseHandle(waitable_);
    timeEndPeriod(kTimerResolutionMs);
}

// Sleeps until a message comes or the clock is about to read `dueMs`: far
// from it, until a millisecond before; within that millisecond, until the
// very moment, so that a late wake-up of the long sleep is made good by a
// short one.
void Win32TimerService::waitUntil(std::int64_t dueMs) {
    const auto left = clock_.momentOf(dueMs) - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return;
    const auto sleep = left > kAimEarly ? left - kAimEarly : left;
    // A negative due time is relative, in units of 100 ns; at least one.
    LARGE_INTEGER wake;
    wake.QuadPart = -std::max<long long>(1, std::chrono::duration_cast<std::chrono::nanoseconds>(sleep).count() / 100);
    SetWaitableTimer(waitable_, &wake, 0, nullptr, nullptr, FALSE);
    MsgWaitForMultipleObjectsEx(1, &waitable_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

int Win32TimerService::runMessageLoop(const std::function<bool(MSG&)>& preview) {
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            if (preview && preview(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        fireDue();
        if (const auto due = earliestDue()) {
            waitUntil(*due);
        } else {
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
}

} // namespace zol::win32
