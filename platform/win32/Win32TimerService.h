#pragma once

#include "platform/SteadyClock.h"
#include "platform/Timer.h"

#include "platform/win32/SystemHeaders.h"

#include <functional>
#include <optional>
#include <vector>

namespace zol {
class HandlerGuard;
}

namespace zol::win32 {

class Win32Timer;

// Timers with the forms runtime's schedule, and the message loop that
// serves them. SetTimer cannot keep a 51 ms tick (it rounds to the
// system's 10-16 ms quantum); instead the loop sleeps on one
// high-resolution waitable timer aimed a millisecond before the earliest
// due event, then on the same timer for the rest, so it wakes about twice
// per event and never polls.
//
// While the timers are held (a box is open, the explosion is shown), due
// events are dropped, whichever message loop is running; when the hold is
// let go the timers go back on their schedules. Every event runs through
// the handler guard.
class Win32TimerService : public TimerService {
public:
    Win32TimerService(const SteadyClock& clock, HandlerGuard& guard);
    ~Win32TimerService() override;
    Win32TimerService(const Win32TimerService&) = delete;
    Win32TimerService& operator=(const Win32TimerService&) = delete;

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTimer,
                                  std::function<std::int64_t()> dueHint) override;

    // Runs the thread's messages and the timers until WM_QUIT; gives its
    // exit code. `preview` may take a message first (dialog keys).
    int runMessageLoop(const std::function<bool(MSG&)>& preview = {});

private:
    friend class Win32Timer;
    void resume();
    std::optional<std::int64_t> earliestDue() const;
    void fireDue();
    void waitUntil(std::int64_t dueMs);

    const SteadyClock& clock_;
    HandlerGuard& guard_;
    std::vector<Win32Timer*> timers_;
    HANDLE waitable_ = nullptr;
};

} // namespace zol::win32
