#include "platform/win32/Win32TimerService.h"

#include "shell/HandlerGuard.h"

#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <memory>

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

class Win32Timer : public Timer {
public:
    Win32Timer(Win32TimerService& service, int intervalMs, std::function<void()> onTimer,
               std::function<std::int64_t()> dueHint)
        : service_(service), intervalMs_(intervalMs), onTimer_(std::move(onTimer)), dueHint_(std::move(dueHint)) {
        service_.timers_.push_back(this);
    }
    ~Win32Timer() override {
        *alive_ = false;
        std::erase(service_.timers_, this);
    }

    void setEnabled(bool enabled) override {
        if (enabled == enabled_) return;  // a running timer keeps its schedule
        enabled_ = enabled;
        due_.reset();
        if (enabled) {
            enabledAt_ = service_.clock_.nowMs();
            scheduleNext();
        }
    }
    bool enabled() const override { return enabled_; }
    const std::optional<std::int64_t>& due() const { return due_; }

    void scheduleNext() {
        if (enabled_) due_ = nextUsefulEventMs(enabledAt_, intervalMs_, service_.clock_.nowMs(), dueHint_);
    }

    // Runs the handler once; a held event is dropped, and resume() puts
    // the timer back on its schedule.
    void fire() {
        due_.reset();
        if (service_.hold().held()) return;
        const auto alive = alive_;  // the handler may unload this timer's form
        const auto handler = onTimer_;
        service_.guard_.run(handler);
        if (*alive) scheduleNext();
    }

private:
    Win32TimerService& service_;
    int intervalMs_;
    std::function<void()> onTimer_;
    std::function<std::int64_t()> dueHint_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool enabled_ = false;
    std::int64_t enabledAt_ = 0;
    std::optional<std::int64_t> due_;
};

Win32TimerService::Win32TimerService(const SteadyClock& clock, HandlerGuard& guard)
    : TimerService([this] { resume(); }), clock_(clock), guard_(guard) {
    timeBeginPeriod(kTimerResolutionMs);
    waitable_ = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
    // Before Windows 10 1803 there is only the ordinary kind.
    if (!waitable_) waitable_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

Win32TimerService::~Win32TimerService() {
    CloseHandle(waitable_);
    timeEndPeriod(kTimerResolutionMs);
}

std::unique_ptr<Timer> Win32TimerService::create(int intervalMs, std::function<void()> onTimer,
                                                 std::function<std::int64_t()> dueHint) {
    return std::make_unique<Win32Timer>(*this, intervalMs, std::move(onTimer), std::move(dueHint));
}

void Win32TimerService::resume() {
    for (Win32Timer* t : timers_)
        if (t->enabled() && !t->due()) t->scheduleNext();
}

std::optional<std::int64_t> Win32TimerService::earliestDue() const {
    std::optional<std::int64_t> earliest;
    for (const Win32Timer* t : timers_)
        if (t->due() && (!earliest || *t->due() < *earliest)) earliest = t->due();
    return earliest;
}

// Handlers may make and destroy timers: look again after each one.
void Win32TimerService::fireDue() {
    for (;;) {
        const std::int64_t now = clock_.nowMs();
        const auto due = std::find_if(timers_.begin(), timers_.end(),
                                      [now](const Win32Timer* t) { return t->due() && *t->due() <= now; });
        if (due == timers_.end()) return;
        (*due)->fire();
    }
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
