// Which key events of a window reach the game, for every key it reads:
// repeats of a held key do not, an arrow's late repeat keeps it held, and
// nothing gets through while the explosion is shown. The game runs on the
// simulated services, driven as a windowed front end drives it.
#include "platform/sim/SimClock.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimSettingsStore.h"
#include "platform/sim/SimSoundDevice.h"
#include "platform/sim/SimTimerService.h"
#include "shell/FrontEnd.h"
#include "shell/HandlerGuard.h"
#include "tests/play/EventLog.h"
#include "trace/Trace.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zol::test {
namespace {

using play::Key;

struct NoWindows : FrontEndWindows {
    void open(ScreenId) override {}
    void close(ScreenId) override {}
    void raise(ScreenId) override {}
    void repaintPlay(const std::vector<play::PixelRect>&) override {}
    void startExplosion() override {}
    void quit() override {}
};

class KeyFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        game.buttonChosen(Button::Play);
        wait(60);
    }
    // Real time passing, a millisecond at a time, with the timers' events.
    void wait(std::int64_t ms) {
        for (std::int64_t i = 0; i < ms; ++i) {
            clock.set(clock.nowMs() + 1);
            timers.fireDue([this] { return timers.hold().held(); });
        }
    }
    const play::HeldKeys& held() const { return game.program().play().heldKeys(); }
    std::size_t boxesOpened() { return log.only("msgbox").size(); }

    sim::SimClock clock;
    sim::SimTimerService timers{clock};
    EventLog log;
    Trace trace{log.file()};
    sim::SimMessageBoxes boxes{timers.hold(), trace, clock};
    sim::SimSettingsStore settings;
    sim::SimSoundDevice sound;
    std::vector<std::string> errors;
    HandlerGuard guard{[this](const std::string& message) { errors.push_back(message); }};
    FrontEnd game{{clock, timers, boxes, settings, sound, trace, "."}, guard,
                  [](FrontEnd&) { return std::make_unique<NoWindows>(); }};
};

constexpr std::int64_t kGraceMs = KeyFilter::kReleaseGraceMs;

TEST_F(KeyFilterTest, EachArrowStaysHeldThroughALateRepeatAndIsLetGoJustAfterTheGrace) {
    const struct {
        Key key;
        bool play::HeldKeys::*flag;
    } arrows[] = {{Key::Left, &play::HeldKeys::left}, {Key::Right, &play::HeldKeys::right},
                  {Key::Down, &play::HeldKeys::down}};
    for (const auto& arrow : arrows) {
        SCOPED_TRACE(static_cast<int>(arrow.key));
        game.keyDown(InputSource::keyboard(), arrow.key, false);
        game.keyUp(InputSource::keyboard(), arrow.key, false);  // a repeat's release, unmarked
        EXPECT_TRUE(held().*arrow.flag);
        wait(kGraceMs - 2);
        game.keyDown(InputSource::keyboard(), arrow.key, false);  // and its press, late but within the grace
        wait(60);
        EXPECT_TRUE(held().*arrow.flag);
        game.keyUp(InputSource::keyboard(), arrow.key, false);  // the player lets go
        wait(kGraceMs - 1);
        EXPECT_TRUE(held().*arrow.flag);
        wait(2);
        EXPECT_FALSE(held().*arrow.flag);
    }
    EXPECT_TRUE(errors.empty());
}

// A held Enter repeats while its time-out box is open and after it closes,
// marked or, on a busy machine, not: one box all the same. Only a new press
// calls the next time-out.
TEST_F(KeyFilterTest, AHeldEnterCallsOneTimeOut) {
    game.keyDown(InputSource::keyboard(), Key::Enter, false);
    ASSERT_EQ(boxesOpened(), 1u);
    for (int i = 0; i < 3; ++i) {
        game.keyUp(InputSource::keyboard(), Key::Enter, true);
        game.keyDown(InputSource::keyboard(), Key::Enter, true);
    }
    boxes.answer(true);
    for (int i = 0; i < 3; ++i) game.keyDown(InputSource::keyboard(), Key::Enter, true);
    game.keyUp(InputSource::keyboard(), Key::Enter, false);  // a busy machine's repeat, unmarked
    wait(kGraceMs - 2);
    game.keyDown(InputSource::keyboard(), Key::Enter, false);
    EXPECT_EQ(boxesOpened(), 1u);
    wait(60);
    game.keyUp(InputSource::keyboard(), Key::Enter, false);  // the player lets go, and presses again
    wait(kGraceMs + 1);
    game.keyDown(InputSource::keyboard(), Key::Enter, false);
    EXPECT_EQ(boxesOpened(), 2u);
}

// The window lost the keyboard with an arrow's release still in its grace:
// everything lets go at once, and the next press of it is a press again.
TEST_F(KeyFilterTest, LosingTheKeyboardLetsGoOfEveryKeyAtOnce) {
    for (Key key : {Key::Left, Key::Right, Key::Down}) game.keyDown(InputSource::keyboard(), key, false);
    game.keyUp(InputSource::keyboard(), Key::Left, false);
    game.inputLost();
    EXPECT_FALSE(held().left || held().right || held().down);
    game.keyDown(InputSource::keyboard(), Key::Left, false);
    wait(2 * kGraceMs);
    EXPECT_TRUE(held().left);
    EXPECT_FALSE(held().right || held().down);
}

// Keyboard, pads and touch steer together: an arrow is held while any of
// them holds it, a pad's release counts at once, and a release that went to
// a box (the keyboard's, behind a modal box) leaves nothing stuck after it.
TEST_F(KeyFilterTest, EverySourceHoldsAnArrowUntilTheLastLetsGo) {
    const InputSource keyboard = InputSource::keyboard(), pad0 = InputSource::padNumber(0),
                      pad1 = InputSource::padNumber(1), touch = InputSource::touch();
    game.keyDown(keyboard, Key::Left, false);
    game.keyDown(pad0, Key::Left, false);
    game.keyDown(touch, Key::Left, false);
    game.keyUp(keyboard, Key::Left, false);
    game.keyUp(touch, Key::Left, false);
    wait(2 * kGraceMs);
    EXPECT_TRUE(held().left);
    game.keyUp(pad0, Key::Left, false);
    EXPECT_FALSE(held().left);  // no grace for a pad

    game.keyDown(keyboard, Key::Down, false);
    game.keyDown(pad1, Key::Right, false);
    game.keyDown(pad1, Key::Enter, false);  // the time-out box: the game lets go
    ASSERT_TRUE(boxes.isOpen());
    EXPECT_FALSE(held().down || held().right);
    game.keyDown(pad0, Key::Left, false);  // the box has the keys now
    game.keyUp(pad1, Key::Right, false);
    boxes.answer(true);
    EXPECT_FALSE(held().left);
    game.keyDown(pad0, Key::Down, false);
    EXPECT_TRUE(held().down);
    game.keyUp(pad0, Key::Down, false);  // the keyboard's Down was let go in the box
    EXPECT_FALSE(held().down);
    game.keyDown(InputSource::padNumber(InputSource::kPads), Key::Right, false);
    EXPECT_FALSE(held().right);
}

TEST_F(KeyFilterTest, NoKeyReachesTheGameWhileTheExplosionIsShown) {
    game.keyDown(InputSource::keyboard(), Key::GiveUp, false);
    wait(120);
    ASSERT_TRUE(game.explosion().showing());
    const std::size_t boxesBefore = boxesOpened();
    for (Key key : {Key::Left, Key::Right, Key::Down, Key::Enter}) game.keyDown(InputSource::keyboard(), key, false);
    EXPECT_FALSE(held().left || held().right || held().down);
    EXPECT_EQ(boxesOpened(), boxesBefore);
    EXPECT_FALSE(boxes.isOpen());
}

} // namespace
} // namespace zol::test
