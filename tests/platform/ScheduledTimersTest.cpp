// The timers of the real-time front ends (Qt, Windows) on a clock moved by
// hand: their beat, the hold, handlers that destroy timers, and when a
// backend asleep on earliestDue() must look again.
#include "platform/ScheduledTimers.h"
#include "platform/sim/SimClock.h"
#include "platform/HandlerGuard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zol::test {
namespace {

using Times = std::vector<std::int64_t>;

class ScheduledTimersTest : public ::testing::Test {
protected:
    static std::int64_t at(std::int64_t ms) { return kClockStartMs + ms; }
    // A timer that notes when each of its events ran, in ms since the start.
    std::unique_ptr<Timer> noting(int intervalMs, Times& fired) {
        return timers.create(intervalMs, [this, &fired] { fired.push_back(clock.nowMs() - kClockStartMs); }, {});
    }
    // Real time passing a millisecond at a time, the backend firing what is due.
    void runTo(std::int64_t ms) {
        while (clock.nowMs() < at(ms)) {
            clock.set(clock.nowMs() + 1);
            timers.fireDue();
        }
    }

    sim::SimClock clock;
    HandlerGuard guard{[](const std::string& message) { ADD_FAILURE() << message; }};
    int wakeUps = 0;
    ScheduledTimers timers{clock, guard, [this] { ++wakeUps; }};
};

TEST_F(ScheduledTimersTest, ATimerBeatsFromWhenItWasEnabledAndEnablingItAgainKeepsTheBeat) {
    Times fired;
    auto timer = noting(50, fired);
    EXPECT_EQ(timers.earliestDue(), std::nullopt);
    runTo(7);
    timer->setEnabled(true);
    EXPECT_EQ(timers.earliestDue(), at(57));
    runTo(30);
    timer->setEnabled(true);  // already running: no new schedule
    runTo(160);
    EXPECT_EQ(fired, (Times{57, 107, 157}));
    timer->setEnabled(false);
    EXPECT_EQ(timers.earliestDue(), std::nullopt);
    runTo(170);
    timer->setEnabled(true);  // stopped first: a new beat from now
    runTo(225);
    EXPECT_EQ(fired, (Times{57, 107, 157, 220}));
}

// A box open from 60 to 205: what fell due meanwhile is lost, and each timer
// goes on at its own next beat, not at once and not counted from the release.
TEST_F(ScheduledTimersTest, HeldEventsAreDroppedAndEachTimerResumesOnItsOwnBeat) {
    Times everyFifty, everyThirty;
    auto a = noting(50, everyFifty);
    a->setEnabled(true);
    runTo(10);
    auto b = noting(30, everyThirty);
    b->setEnabled(true);
    runTo(60);
    timers.hold().boxOpened();
    runTo(205);
    timers.hold().boxClosed();
    runTo(260);
    EXPECT_EQ(everyFifty, (Times{50, 250}));
    EXPECT_EQ(everyThirty, (Times{40, 220, 250}));
}

// On Windows the box's own message loop runs while it is open: nothing asks
// for due events until it has closed, and still none is made up.
TEST_F(ScheduledTimersTest, HeldEventsAreDroppedWhenTheBackendFiredNothingMeanwhile) {
    Times fired;
    auto timer = noting(50, fired);
    timer->setEnabled(true);
    runTo(60);
    timers.hold().boxOpened();
    clock.set(at(205));
    timers.hold().boxClosed();
    runTo(260);
    EXPECT_EQ(fired, (Times{50, 250}));
}

TEST_F(ScheduledTimersTest, ATimerDestroyedByAHandlerNeverFiresAgain) {
    Times selfFired, otherFired, victimFired;
    std::unique_ptr<Timer> self, other, victim;
    self = timers.create(10, [&] {
        self.reset();  // its screen unloads from inside its own event,
        selfFired.push_back(clock.nowMs());  // and the handler goes on
    }, {});
    other = timers.create(10, [&] {
        otherFired.push_back(clock.nowMs());
        victim.reset();  // due in the same millisecond, made after it
    }, {});
    victim = noting(10, victimFired);
    for (Timer* t : {self.get(), other.get(), victim.get()}) t->setEnabled(true);
    runTo(50);
    EXPECT_EQ(selfFired.size(), 1u);
    EXPECT_EQ(otherFired.size(), 5u);
    EXPECT_TRUE(victimFired.empty());
}

// A backend sleeps until earliestDue(); it must hear of every change made
// from outside fireDue(), and of none from inside, where it looks anyway.
TEST_F(ScheduledTimersTest, TheBackendIsWokenForChangesMadeOutsideFireDueOnly) {
    Times fired;
    auto second = noting(20, fired);
    std::unique_ptr<Timer> first;
    first = timers.create(10, [&] {
        second->setEnabled(true);
        first->setEnabled(false);
    }, {});
    EXPECT_EQ(wakeUps, 0);
    first->setEnabled(true);
    EXPECT_EQ(wakeUps, 1);
    first->setEnabled(true);
    EXPECT_EQ(wakeUps, 1);
    runTo(10);
    EXPECT_EQ(wakeUps, 1);
    EXPECT_EQ(timers.earliestDue(), at(30));
    timers.hold().boxOpened();
    timers.hold().boxClosed();
    EXPECT_EQ(wakeUps, 2);
    second->setEnabled(false);
    EXPECT_EQ(wakeUps, 3);
}

// The tick timer runs every millisecond but its handler turns events away
// until its gate opens: the backend may sleep until the hinted moment, on
// the timer's beat.
TEST(NextUsefulEvent, IsTheFirstBeatPastNowOrTheFirstBeatFromTheHint) {
    const auto hint = [](std::int64_t ms) { return std::function<std::int64_t()>([ms] { return ms; }); };
    EXPECT_EQ(nextUsefulEventMs(0, 10, 0, {}), 10);
    EXPECT_EQ(nextUsefulEventMs(7, 10, 23, {}), 27);
    EXPECT_EQ(nextUsefulEventMs(7, 10, 27, {}), 37);  // on a beat: the next one
    EXPECT_EQ(nextUsefulEventMs(7, 10, 23, hint(3)), 27);
    EXPECT_EQ(nextUsefulEventMs(7, 10, 23, hint(40)), 47);
    EXPECT_EQ(nextUsefulEventMs(7, 10, 23, hint(57)), 57);
    EXPECT_EQ(nextUsefulEventMs(kClockEndMs - 15, 10, kClockEndMs - 1, {}), kClockEndMs);
    EXPECT_EQ(nextUsefulEventMs(0, 10, 0, hint(kClockEndMs - 3)), kClockEndMs);
}

} // namespace
} // namespace zol::test
