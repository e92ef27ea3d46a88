// The keys of the play screen: the arrows hold their flags, Enter calls a
// time-out, E gives the game up, and every other key does nothing.
#include "tests/play/Scripted.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zol::test {
namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(game.runAll({"click play", "ticks 1"}), ""); }
    std::array<std::int16_t, 3> held() {
        const auto& k = game.play().heldKeys();
        return {k.left, k.right, k.down};
    }
    Scripted game;
};

using Held = std::array<std::int16_t, 3>;

TEST_F(Keys, EachArrowSetsItsOwnFlagWhilePressedAndClearsItWhenReleased) {
    const struct {
        const char *down, *up;
        Held whileHeld;
    } cases[] = {{"down Left", "up Left", {1, 0, 0}},
                 {"down 39", "up 39", {0, 1, 0}},
                 {"down Down", "up 40", {0, 0, 1}}};
    for (const auto& c : cases) {
        ASSERT_EQ(game.run(c.down), "");
        EXPECT_EQ(held(), c.whileHeld) << c.down;
        ASSERT_EQ(game.run(c.up), "");
        EXPECT_EQ(held(), (Held{0, 0, 0})) << c.up;
    }
}

TEST(KeyNames, NamesAreCaseSensitiveAndCodesRunFromZeroTo255) {
    using play::Key;
    EXPECT_EQ(play::keyFromScriptName("E"), Key::GiveUp);
    EXPECT_EQ(play::keyFromScriptName("69"), Key::GiveUp);
    EXPECT_EQ(play::keyFromScriptName("13"), Key::Enter);
    EXPECT_EQ(play::keyFromScriptName("255"), Key::Other);
    EXPECT_EQ(play::keyFromScriptName("0"), Key::Other);
    for (const char* bad : {"e", "left", "256", "-1", "+37", "", "37x"})
        EXPECT_EQ(play::keyFromScriptName(bad), std::nullopt) << bad;
}

TEST_F(Keys, AnyOtherKeyCodeChangesNothing) {
    ASSERT_EQ(game.run("down Right"), "");
    const play::GameState before = game.state();
    const std::size_t events = game.log.count();
    for (const char* line : {"down 65", "down 38", "up 13", "up 69", "down 0", "down 255", "up 65"})
        ASSERT_EQ(game.run(line), "") << line;
    EXPECT_EQ(held(), (Held{0, 1, 0}));
    EXPECT_EQ(game.state().meteorsLeft, before.meteorsLeft);
    EXPECT_EQ(game.state().posX, before.posX);
    EXPECT_EQ(game.state().meteorDX, before.meteorDX);
    EXPECT_EQ(game.log.count(), events);
}

TEST_F(Keys, EPressedTwiceLeavesOneMeteoriteBelowZero) {
    ASSERT_EQ(game.runAll({"down E", "down E"}), "");
    EXPECT_EQ(game.state().meteorsLeft, -1);
    ASSERT_EQ(game.run("ticks 1"), "");
    EXPECT_EQ(game.state().meteorsLeft, -1);
    EXPECT_FALSE(game.play().tickTimerEnabled());
}

TEST(GivingUp, AMeteoriteLostInTheGivingUpTickMakesItMinusTwoAndTheGameStillEnds) {
    TickBench bench;
    bench.s.meteorsLeft = -1;
    bench.s.meteorY = 5250;
    EXPECT_EQ(bench.tick().back(), "gameover");
    EXPECT_EQ(bench.s.meteorsLeft, -2);
}

TEST_F(Keys, EnterOpensTheTimeOutBoxWithTheProgramsTitleAndOneButton) {
    ASSERT_EQ(game.run("down Enter"), "");
    const auto box = game.log.all().back();
    EXPECT_EQ(box.ev(), "msgbox");
    EXPECT_EQ(box.text("text"), "タイム！！");
    EXPECT_EQ(box.text("caption"), "ゾルバス");
    EXPECT_EQ(box.text("buttons"), "ok");
    // An OK-only box answers 1 however it is closed.
    ASSERT_EQ(game.run("answer cancel"), "");
    EXPECT_EQ(game.log.all().back().integer("value"), 1);
}

TEST_F(Keys, TheTimeOutBoxHoldsTheMeteoriteTheWalkersAndTheBannerStill) {
    ASSERT_EQ(game.run("down Enter"), "");
    const play::GameState before = game.state();
    const std::size_t events = game.log.count();
    ASSERT_EQ(game.run("wait 3000"), "");
    EXPECT_EQ(game.log.count(), events);
    EXPECT_EQ(game.state().meteorY, before.meteorY);
    EXPECT_EQ(game.state().posX, before.posX);
    EXPECT_EQ(game.run("down Left"), "a box is open");
    EXPECT_EQ(game.run("up Left"), "a box is open");
    EXPECT_EQ(game.run("ticks 1"), "a box is open");
}

TEST_F(Keys, OpeningABoxReleasesEveryHeldArrow) {
    ASSERT_EQ(game.runAll({"down Left", "down Right", "down Down", "down Enter"}), "");
    EXPECT_EQ(held(), (Held{0, 0, 0}));
    ASSERT_EQ(game.runAll({"answer ok", "ticks 1"}), "");
    EXPECT_EQ(game.state().meteorDX, 0);
    EXPECT_EQ(game.state().score, 0);
    EXPECT_EQ(game.log.only("tick").back().numbers("keyState"), (std::vector<double>{0, 0, 0}));
}

} // namespace
} // namespace zol::test
