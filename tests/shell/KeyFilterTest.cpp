// Which key events reach the game, for every key it reads and from every
// source: repeats of a held key do not, an arrow's late repeat keeps it
// held, an arrow stays held while any source holds it, and nothing gets
// through while a box is open or the explosion is shown.
#include "tests/shell/FrontEndRig.h"

#include <cstddef>
#include <cstdint>

namespace zol::test {
namespace {

using play::Key;

class KeyFilterTest : public FrontEndRig {
protected:
    const play::HeldKeys& held() const { return heldKeys(); }
    std::size_t boxesOpened() { return log.only("msgbox").size(); }
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

// A keyboard release whose grace ends in a tick's millisecond lets go after
// that tick, as `up` in the page's replayed script comes after it.
TEST_F(KeyFilterTest, AReleaseLandsAfterTheTickOfItsMillisecond) {
    for (int round = 0; round < 2; ++round) {  // the second game's timers are made later
        SCOPED_TRACE(round);
        game.keyDown(InputSource::keyboard(), Key::Right, false);
        wait(1);
        const std::int64_t nextTick = log.only("tick").back().integer("lastTick") + 51;
        wait(nextTick - kGraceMs - clock.nowMs());
        game.keyUp(InputSource::keyboard(), Key::Right, false);
        wait(kGraceMs);
        const Event tick = log.only("tick").back();
        ASSERT_EQ(tick.t(), nextTick);
        EXPECT_EQ(tick.numbers("keyState"), (std::vector<double>{0, 1, 0}));
        EXPECT_FALSE(held().right);
        game.keyDown(InputSource::keyboard(), Key::GiveUp, false);
        wait(120);
        while (game.explosion().showing()) {
            clock.set(clock.nowMs() + play::ExplosionShow::kFrameMs);
            game.explosion().frame([](const play::Stroke&) {});
        }
        boxes.answer(true);  // play again
        game.buttonChosen(Button::Play);
        wait(60);
    }
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
