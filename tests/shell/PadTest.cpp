// Pads: the stick's dead zone, and a pad's controls standing for keys on
// the play screen, for focus moves on the title and help, and for answers
// in a box, through the same key filter as the keyboard.
#include "shell/PadControls.h"
#include "tests/shell/FrontEndRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace zol::test {
namespace {

using play::Key;

PadReading stickAt(float x, float y) {
    PadReading r;
    r.stickX = x;
    r.stickY = y;
    return r;
}

TEST(PadControlsTest, TheStickCountsPastItsDeadZoneAndTheDpadAndStickHoldTogether) {
    std::vector<std::tuple<int, PadControl, bool>> seen;
    PadControls pads([&](int pad, PadControl c, bool down) { seen.emplace_back(pad, c, down); });
    // A resting stick drifts; nothing counts until halfway.
    pads.read(0, stickAt(0.3f, -0.49f));
    EXPECT_TRUE(seen.empty());
    pads.read(0, stickAt(-0.5f, 0));
    pads.read(0, stickAt(-0.4f, 0));  // held near the edge: still held
    ASSERT_EQ(seen, (decltype(seen){{0, PadControl::Left, true}}));
    // The d-pad holds Left too: the stick's letting go does not release it.
    PadReading both = stickAt(-0.2f, 0);
    both[PadControl::Left] = true;
    pads.read(0, both);
    EXPECT_EQ(seen.size(), 1u);
    // Rocked from left to right in one reading: the release comes first.
    PadReading right;
    right[PadControl::Right] = true;
    pads.read(0, right);
    EXPECT_EQ(seen, (decltype(seen){{0, PadControl::Left, true}, {0, PadControl::Left, false}, {0, PadControl::Right, true}}));
    // Another pad is its own; a pad that goes lets go of what it held.
    seen.clear();
    PadReading south;
    south[PadControl::South] = true;
    pads.read(3, south);
    pads.letGo(0);
    pads.read(InputSource::kPads, south);  // past the pads read: ignored
    EXPECT_EQ(seen, (decltype(seen){{3, PadControl::South, true}, {0, PadControl::Right, false}}));
}

// The same game twice, steered once by keys and once by a pad: the game
// hears the same events at the same times. A pad's release has no grace,
// so it comes the grace's length after the key's.
TEST(PadGameTest, APadPlaysTheSameGameAsTheKeyboard) {
    struct Step {
        int waitMs;
        Key key;
        bool down;
    };
    const std::vector<Step> steps{{60, Key::Down, true},   {400, Key::Left, true}, {300, Key::Left, false},
                                  {200, Key::Down, false}, {100, Key::Right, true}, {250, Key::Right, false},
                                  {100, Key::Enter, true}, {50, Key::Enter, false}};
    const auto play = [&](bool byPad) {
        struct Rig : FrontEndRig {
            using FrontEndRig::boxes, FrontEndRig::game, FrontEndRig::log, FrontEndRig::wait;
            void TestBody() override {}
        } rig;
        rig.game.start();
        rig.game.buttonChosen(Button::Play);
        PadReading pad;
        std::int64_t keyTime = 0, now = 0;
        for (const Step& step : steps) {
            keyTime += step.waitMs;
            const std::int64_t at = keyTime + (byPad && !step.down ? KeyFilter::kReleaseGraceMs : 0);
            rig.wait(at - now);
            now = at;
            if (!byPad) {
                if (step.down) rig.game.keyDown(InputSource::keyboard(), step.key, false);
                else rig.game.keyUp(InputSource::keyboard(), step.key, false);
                continue;
            }
            switch (step.key) {
            case Key::Left: pad.stickX = step.down ? -1.0f : 0.0f; break;  // the stick
            case Key::Right: pad[PadControl::Right] = step.down; break;      // the d-pad
            case Key::Down: pad.stickY = step.down ? 0.8f : 0.0f; break;
            default: pad[PadControl::Start] = step.down; break;
            }
            rig.game.padRead(2, pad);
        }
        rig.wait(keyTime + 100 - now);
        EXPECT_TRUE(rig.boxes.isOpen());  // the time-out
        if (byPad) {
            pad[PadControl::South] = true;
            rig.game.padRead(2, pad);
        } else {
            rig.boxes.answer(true);
        }
        rig.wait(200);
        EXPECT_FALSE(rig.boxes.isOpen());
        std::vector<std::string> lines;
        for (const Event& e : rig.log.all()) lines.push_back(e.line());
        return lines;
    };
    const std::vector<std::string> byKeys = play(false);
    EXPECT_GT(byKeys.size(), 20u);
    const std::vector<std::string> byPad = play(true);
    // The first difference, rather than two whole games.
    const auto [k, p] = std::mismatch(byKeys.begin(), byKeys.end(), byPad.begin(), byPad.end());
    EXPECT_TRUE(k == byKeys.end() && p == byPad.end()) << "keys: " << (k == byKeys.end() ? "(end)" : *k)
                                                       << "\npad:  " << (p == byPad.end() ? "(end)" : *p);
}

// A rig left at the title screen.
struct TitleRig : FrontEndRig {
    void SetUp() override { game.start(); }
};

TEST_F(TitleRig, TheDpadMovesBetweenTheButtonsAndSouthPressesOnlyOnItsPress) {
    PadReading r;
    r[PadControl::Down] = true;
    game.padRead(0, r);
    game.padRead(0, r);  // still held: one move
    r = stickAt(0, -0.9f);
    game.padRead(0, r);  // the stick up, as the d-pad lets go
    r[PadControl::South] = true;
    game.padRead(0, r);
    game.padRead(0, r);
    game.padRead(0, PadReading{});
    EXPECT_EQ(windows->focusMoves, (std::vector<int>{+1, -1}));
    EXPECT_EQ(windows->presses, 1);
    EXPECT_FALSE(heldKeys().down);
}

} // namespace
} // namespace zol::test
