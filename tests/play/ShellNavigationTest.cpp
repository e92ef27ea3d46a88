// The screens around the game: the title screen, the help screen beside it
// or beside a game, the program's end, and the whole loop played twice.
#include "tests/play/Scripted.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zol::test {
namespace {

std::vector<std::string> formEvents(Scripted& game) {
    std::vector<std::string> out;
    for (const auto& e : game.log.all()) {
        if (e.ev() == "load" || e.ev() == "unload") out.push_back(e.ev() + " " + e.text("form"));
        if (e.ev() == "end") out.push_back("end");
    }
    return out;
}

TEST(Shell, HelpOpensBesideTheTitleAndASecondClickOpensNoSecondWindow) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click help", "click help", "click back"}), "");
    EXPECT_EQ(formEvents(game), (std::vector<std::string>{"load title", "load help", "unload help"}));
    EXPECT_EQ(game.run("click back"), "the help screen is not loaded");
    EXPECT_FALSE(game.sim.program().ended());
}

TEST(Shell, TheHelpScreenStaysOpenThroughAGameAndKeepsTheProgramAlive) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click help", "click play", "ticks 5", "close play"}), "");
    EXPECT_FALSE(game.sim.program().ended());
    EXPECT_EQ(game.run("click back"), "");
    // The help screen was the last one: the program ends with it.
    EXPECT_TRUE(game.sim.program().ended());
    EXPECT_EQ(formEvents(game).back(), "end");
}

TEST(Shell, ClosingTheLastScreenEndsTheProgramAndNothingIsSaved) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "down Down", "ticks 20", "close play"}), "");
    EXPECT_TRUE(game.sim.program().ended());
    for (const auto& e : game.log.only("store")) EXPECT_EQ(e.text("op"), "load");
}

TEST(Shell, EndEndsTheProgramAtOnceEvenWithTheHelpScreenOpen) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click help", "click end"}), "");
    EXPECT_TRUE(game.sim.program().ended());
    const auto events = formEvents(game);
    EXPECT_EQ(events.back(), "end");
    EXPECT_EQ(std::count(events.begin(), events.end(), "unload help"), 0);
}

TEST(Shell, TheWholeLoopTwiceSavesAfterEachGameAndCancelEnds) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "down Down", "ticks 40", "up Down", "down E", "ticks 1", "wait 50"}), "");
    ASSERT_EQ(game.run("answer ok"), "");
    EXPECT_TRUE(game.sim.program().isLoaded(ScreenId::Title));
    EXPECT_FALSE(game.sim.program().isLoaded(ScreenId::Play));
    const std::int32_t firstScore = game.state().score;
    EXPECT_GT(firstScore, 0);

    ASSERT_EQ(game.runAll({"click play", "ticks 1"}), "");
    EXPECT_EQ(game.state().meteorsLeft, 9);
    EXPECT_EQ(game.state().score, 0);
    ASSERT_EQ(game.runAll({"down E", "ticks 1", "wait 50", "answer cancel"}), "");
    EXPECT_TRUE(game.sim.program().ended());

    const auto saves = game.log.only("store");
    int saved = 0;
    for (const auto& e : saves) saved += e.text("op") == "save";
    EXPECT_EQ(saved, 2);
    EXPECT_EQ(game.sim.settings().read("ZOL", "1", "HI"), "1000");
}

TEST(Shell, ABestRaisedInTheStoreDuringAGameIsKeptByTheSave) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 3", "set HI 4321", "set HIc 12", "down E", "ticks 1", "wait 50"}), "");
    const auto save = game.log.only("store").back();
    EXPECT_EQ(save.text("op"), "save");
    EXPECT_EQ(save.integer("hiScore"), 4321);
    EXPECT_EQ(save.integer("maxCombo"), 12);
    EXPECT_EQ(game.sim.settings().read("ZOL", "1", "HI"), "4321");
    EXPECT_EQ(game.sim.settings().read("ZOL", "1", "HIc"), "12");
    // Back at the title, the loaded values are the saved ones.
    ASSERT_EQ(game.run("answer ok"), "");
    EXPECT_EQ(game.log.only("store").back().integer("hiScore"), 4321);
}

} // namespace
} // namespace zol::test
