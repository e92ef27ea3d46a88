#pragma once

#include "platform/ScheduledTimers.h"
#include "platform/SteadyClock.h"

#include "platform/win32/SystemHeaders.h"

#include <functional>

namespace zol::win32 {

// The game's timers (see ScheduledTimers), and the message loop that
// serves them. SetTimer cannot keep a 51 ms tick (it rounds to the
// system's 10-16 ms quantum); instead the loop sleeps on one
// high-resolution waitable timer aimed a millisecond before the earliest
// due event, then on the same timer for the rest, so it wakes about twice
// per event and never polls.
class Win32TimerService : public ScheduledTimers {
public:
    Win32TimerService(const SteadyClock& clock, HandlerGuard& guard);
    ~Win32TimerService() override;
    Win32TimerService(const Win32TimerService&) = delete;
    Win32TimerService& operator=(const Win32TimerService&) = delete;

    // Runs the thread's messages and the timers until WM_QUIT; gives its
    // exit code. `preview` may take a message first (dialog keys).
    int runMessageLoop(const std::function<bool(MSG&)>& preview = {});

private:
    void waitUntil(std::int64_t dueMs);

    const SteadyClock& clock_;
    HANDLE waitable_ = nullptr;
};

} // namespace zol::win32
