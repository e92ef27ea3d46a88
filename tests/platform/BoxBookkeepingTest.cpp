// What every system's message boxes do around showing one: the hold on the
// timers, the box and answer events, and the guarded answer handler.
#include "platform/BoxBookkeeping.h"
#include "platform/TimerHold.h"
#include "platform/sim/SimClock.h"
#include "platform/RuntimeError.h"
#include "platform/HandlerGuard.h"
#include "tests/play/EventLog.h"
#include "trace/Trace.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zol::test {
namespace {

const BoxRequest kTimeOut{"タイム！！", "ゾルバス", BoxButtons::Ok, BoxIcon::None};
const BoxRequest kPlayAgain{"もう一度？", "ゲームオーバー", BoxButtons::OkCancel, BoxIcon::Exclamation};

class BoxBookkeepingTest : public ::testing::Test {
protected:
    // The events written so far, as "ev" or "answer=VALUE".
    std::vector<std::string> events() {
        std::vector<std::string> out;
        for (const Event& e : log.all())
            out.push_back(e.ev() == "answer" ? "answer=" + std::to_string(e.integer("value")) : e.ev());
        return out;
    }

    sim::SimClock clock;
    EventLog log;
    Trace trace{log.file()};
    int releases = 0;  // the timers going back on their schedules
    TimerHold hold{[this] { ++releases; }};
    std::vector<std::string> errors;
    HandlerGuard guard{[this](const std::string& message) { errors.push_back(message); }};
    BoxBookkeeping boxes{hold, guard, trace, clock};
};

TEST_F(BoxBookkeepingTest, TheGamesBoxesAndAnswersAreTracedAndWarningsAreNot) {
    clock.set(kClockStartMs + 1234);
    boxes.answer(boxes.request(kPlayAgain, [](int) {}), true);
    boxes.answer(boxes.request(kPlayAgain, [](int) {}), false);
    boxes.answer(boxes.request(kTimeOut, [](int) {}), false);  // OK-only: 1 however closed
    const Event opened = log.all().front();
    EXPECT_EQ(opened.t(), kClockStartMs + 1234);
    EXPECT_EQ(opened.text("text"), "もう一度？");
    EXPECT_EQ(opened.text("caption"), "ゲームオーバー");
    EXPECT_EQ(opened.text("buttons"), "okcancel");

    bool continued = false;
    PendingBox warning = boxes.warning("保存できません", [&] { continued = true; });
    EXPECT_EQ(warning.box.caption, BoxBookkeeping::kProgramCaption);
    EXPECT_EQ(warning.box.buttons, BoxButtons::Ok);
    EXPECT_TRUE(hold.held());
    boxes.answer(std::move(warning), false);
    EXPECT_TRUE(continued);
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(events(), (std::vector<std::string>{"msgbox", "answer=1", "msgbox", "answer=2", "msgbox", "answer=1"}));
}

// A failed handler ends the program through the guard, but the error is shown
// in a box of its own: the timers must not stay held behind it.
TEST_F(BoxBookkeepingTest, AFailingAnswerHandlerIsReportedOnceAndTheTimersAreLetGo) {
    PendingBox box = boxes.request(kTimeOut, [](int) { throw RuntimeError("Run-time error '6': Overflow"); });
    EXPECT_NO_THROW(boxes.answer(std::move(box), true));
    EXPECT_EQ(errors, (std::vector<std::string>{"Run-time error '6': Overflow"}));
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(events(), (std::vector<std::string>{"msgbox", "answer=1"}));
}

// The handler continues the game, so no timer may run before it has; and
// when it asks for the next box at once, none runs between the two boxes.
TEST_F(BoxBookkeepingTest, TheTimersAreHeldFromTheRequestUntilTheLastAnswerHasBeenHandled) {
    std::vector<int> answers;
    bool heldInHandler = false;
    PendingBox next{};
    PendingBox first = boxes.request(kPlayAgain, [&](int answer) {
        answers.push_back(answer);
        heldInHandler = hold.held();
        next = boxes.request(kTimeOut, [&](int answer) { answers.push_back(answer); });
    });
    EXPECT_TRUE(boxes.anyOpen());
    boxes.answer(std::move(first), false);
    EXPECT_TRUE(heldInHandler);
    EXPECT_TRUE(hold.held());
    EXPECT_EQ(releases, 0);
    boxes.answer(std::move(next), false);
    EXPECT_EQ(answers, (std::vector<int>{kAnswerCancel, kAnswerOk}));
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(releases, 1);
}

} // namespace
} // namespace zol::test
