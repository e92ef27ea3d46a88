// The front-end contract: which key events reach the game, what a window
// repaints, the explosion's show and the hold on the timers, and what a
// run-time error does. The game runs on the simulated services, driven the
// way a windowed front end drives it.
#include "platform/RuntimeError.h"
#include "platform/HandlerGuard.h"
#include "tests/shell/FrontEndRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zol::test {
namespace {

using play::Key;

using FrontEndTest = FrontEndRig;

TEST_F(FrontEndTest, AHeldKeyStaysHeldThroughARepeatWhosePressComesLate) {
    game.keyDown(InputSource::keyboard(), Key::Down, false);
    game.keyUp(InputSource::keyboard(), Key::Down, false);  // a repeat's release, not marked as one
    wait(3);
    EXPECT_TRUE(heldKeys().down);
    game.keyDown(InputSource::keyboard(), Key::Down, false);  // its press, a moment behind
    wait(60);
    EXPECT_TRUE(heldKeys().down);
    game.keyUp(InputSource::keyboard(), Key::Down, true);  // marked repeats never reach the game
    game.keyDown(InputSource::keyboard(), Key::Down, true);
    game.keyUp(InputSource::keyboard(), Key::Down, false);  // a real release counts after its grace
    EXPECT_TRUE(heldKeys().down);
    wait(KeyFilter::kReleaseGraceMs + 8);
    EXPECT_FALSE(heldKeys().down);
}

// The pixels of the rectangles, as (x, y) pairs.
std::set<std::pair<int, int>> pixelsOf(const std::vector<play::PixelRect>& rects) {
    std::set<std::pair<int, int>> pixels;
    for (const play::PixelRect& r : rects)
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x) pixels.insert({x, y});
    return pixels;
}

// The places of what one scene shows and the other does not show alike.
std::vector<play::PixelRect> changedPlaces(const std::vector<play::SceneItem>& a, const std::vector<play::SceneItem>& b) {
    const auto same = [](const play::SceneItem& x, const play::SceneItem& y) {
        return x.kind == y.kind && x.rect == y.rect && x.caption == y.caption && x.walkerFrame == y.walkerFrame;
    };
    std::vector<play::PixelRect> places;
    for (const auto& [from, to] : {std::pair{&a, &b}, std::pair{&b, &a}})
        for (const play::SceneItem& item : *from)
            if (std::none_of(to->begin(), to->end(), [&](const play::SceneItem& other) { return same(item, other); }))
                places.push_back(item.rect);
    return places;
}

// Tick by tick, steering one way and then the other: the repainted pixels
// are exactly those of everything that moved or changed, old and new places.
TEST_F(FrontEndTest, EveryPartOfTheScreenThatMovedIsRepaintedAndNothingElse) {
    for (int tick = 0; tick < 40; ++tick) {
        const play::PlayControls before = game.program().play().controls();
        const Key steer = tick < 20 ? Key::Left : Key::Right;
        windows->repaints.clear();
        game.keyDown(InputSource::keyboard(), steer, false);
        wait(51);
        game.keyUp(InputSource::keyboard(), steer, false);
        ASSERT_EQ(windows->repaints.size(), 1u);
        EXPECT_EQ(pixelsOf(windows->repaints.back()),
                  pixelsOf(changedPlaces(play::playScene(before), play::playScene(game.program().play().controls()))));
    }
}

TEST_F(FrontEndTest, TheExplosionHoldsTheTimersAndKeysFrameByFrameThenTheGameGoesOn) {
    game.keyDown(InputSource::keyboard(), Key::GiveUp, false);
    wait(120);
    ASSERT_EQ(windows->explosions, 1);
    EXPECT_TRUE(timers.hold().explosionShown());
    game.keyDown(InputSource::keyboard(), Key::Left, false);
    EXPECT_FALSE(heldKeys().left);
    int frames = 0;
    while (game.explosion().showing()) {
        clock.set(clock.nowMs() + play::ExplosionShow::kFrameMs);
        game.explosion().frame([](const play::Stroke&) {});
        ++frames;
    }
    EXPECT_NEAR(frames, 1500 / play::ExplosionShow::kFrameMs, 3);
    EXPECT_EQ(game.explosion().shown().size(), 9632u + 601u);
    EXPECT_TRUE(boxes.isOpen());  // the question
}

TEST_F(FrontEndTest, ClosingThePlayWindowDuringTheExplosionLetsTheTimersGo) {
    game.keyDown(InputSource::keyboard(), Key::GiveUp, false);
    wait(120);
    ASSERT_TRUE(timers.hold().held());
    game.closePressed(ScreenId::Play);
    EXPECT_FALSE(timers.hold().held());
    EXPECT_FALSE(boxes.isOpen());
}

TEST(HandlerGuard, ARunTimeErrorIsShownOnceAndNoHandlerRunsAfterIt) {
    std::vector<std::string> shown;
    HandlerGuard guard([&](const std::string& message) { shown.push_back(message); });
    guard.run([] { throw RuntimeError("Run-time error '6': Overflow"); });
    bool ran = false;
    guard.run([&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_EQ(shown, (std::vector<std::string>{"Run-time error '6': Overflow"}));
    HandlerGuard other([&](const std::string& message) { shown.push_back(message); });
    other.run([] { throw std::logic_error("bad"); });
    EXPECT_EQ(shown.back(), "internal error: bad");
}

} // namespace
} // namespace zol::test
