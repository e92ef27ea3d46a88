// The Win32 timers and their message loop, through Wine: events keep the
// timer's schedule and never come early, a hold drops them whichever loop
// runs, and a handler may destroy its own timer.
#include "platform/SteadyClock.h"
#include "platform/win32/SystemHeaders.h"
#include "platform/win32/Win32TimerService.h"
#include "platform/HandlerGuard.h"

#include <gtest/gtest.h>

#include <vector>

namespace zol::win32 {
namespace {

constexpr int kIntervalMs = 51;

HandlerGuard& guard() {
    static HandlerGuard g([](const std::string& message) { FAIL() << message; });
    return g;
}

TEST(Win32Timers, FireOnTheirScheduleAndNeverEarly) {
    SteadyClock clock;
    Win32TimerService timers(clock, guard());
    std::vector<std::int64_t> readings;
    auto timer = timers.create(kIntervalMs, [&] {
        readings.push_back(clock.nowMs());
        if (readings.size() == 4) PostQuitMessage(0);
    }, {});
    const std::int64_t enabledAt = clock.nowMs();
    timer->setEnabled(true);
    timers.runMessageLoop();
    ASSERT_EQ(readings.size(), 4u);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::int64_t scheduled = enabledAt + kIntervalMs * static_cast<std::int64_t>(i + 1);
        EXPECT_GE(readings[i], scheduled) << "event " << i;
        EXPECT_LT(readings[i], scheduled + kIntervalMs) << "event " << i << " ran past the next one";
    }
}

// The player, closing a box from a system timer's callback.
struct Release {
    static inline Win32TimerService* timers = nullptr;
    static inline int firedWhileHeld = -1;
    static inline int* fired = nullptr;
    static void CALLBACK now(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        firedWhileHeld = *fired;
        timers->hold().boxClosed();
    }
};

TEST(Win32Timers, AHoldDropsDueEventsUntilItIsLetGo) {
    SteadyClock clock;
    Win32TimerService timers(clock, guard());
    timers.hold().boxOpened();
    int fired = 0;
    auto timer = timers.create(1, [&] {
        ++fired;
        PostQuitMessage(0);
    }, {});
    Release::timers = &timers;
    Release::fired = &fired;
    timer->setEnabled(true);
    SetTimer(nullptr, 0, 200, Release::now);
    timers.runMessageLoop();
    EXPECT_EQ(Release::firedWhileHeld, 0);
    EXPECT_EQ(fired, 1);
}

TEST(Win32Timers, AHandlerMayDestroyItsOwnTimerAndTheOthersGoOn) {
    SteadyClock clock;
    Win32TimerService timers(clock, guard());
    std::unique_ptr<Timer> once;
    int onceFired = 0, otherFired = 0;
    once = timers.create(5, [&] {
        ++onceFired;
        once.reset();
    }, {});
    auto other = timers.create(30, [&] {
        if (++otherFired == 2) PostQuitMessage(0);
    }, {});
    once->setEnabled(true);
    other->setEnabled(true);
    timers.runMessageLoop();
    EXPECT_EQ(onceFired, 1);
    EXPECT_EQ(otherFired, 2);
}

} // namespace
} // namespace zol::win32
