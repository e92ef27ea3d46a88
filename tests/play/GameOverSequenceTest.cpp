// The end of a game: the tick stops, the explosion comes 50 ms later, the
// best values are saved and the player is asked whether to play again.
#include "tests/play/Scripted.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zol::test {
namespace {

// Plays three ticks, gives up and runs the last tick.
void giveUp(Scripted& game) { ASSERT_EQ(game.runAll({"click play", "ticks 3", "down E", "ticks 1"}), ""); }

TEST(GameOverSequence, TheGivingUpTickStopsTheTickHidesTheMeteoriteAndStartsTheGameOverTimer) {
    Scripted game;
    giveUp(game);
    const auto last = game.log.only("tick").back();
    EXPECT_EQ(last.integer("meteorsLeft"), -1);
    EXPECT_EQ(last.flags("timers"), (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(last.flag("meteorVisible"));
    EXPECT_EQ(game.run("ticks 1"), "the tick timer is stopped");
}

TEST(GameOverSequence, TheExplosionComesFiftyMillisecondsAfterTheLastTickWhereTheMeteoriteWas) {
    Scripted game;
    giveUp(game);
    const auto last = game.log.only("tick").back();
    ASSERT_EQ(game.run("wait 49"), "");
    EXPECT_TRUE(game.log.only("gameover").empty());
    ASSERT_EQ(game.run("wait 1"), "");
    const auto over = game.log.only("gameover");
    ASSERT_EQ(over.size(), 1u);
    EXPECT_EQ(over[0].t(), last.t() + 50);
    EXPECT_EQ(over[0].number("x0"), last.numbers("left").at(0));
    EXPECT_EQ(over[0].integer("lines"), 9632);
    EXPECT_EQ(over[0].integer("circles"), 601);
}

TEST(GameOverSequence, TheBestValuesAreSavedBeforeTheQuestionWhichShowsTheScore) {
    Scripted game;
    giveUp(game);
    const std::size_t before = game.log.count();
    ASSERT_EQ(game.run("wait 50"), "");
    const auto events = game.log.since(before);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].ev(), "gameover");
    EXPECT_EQ(events[1].ev(), "store");
    EXPECT_EQ(events[1].text("op"), "save");
    EXPECT_EQ(events[1].integer("hiScore"), 1000);
    EXPECT_EQ(events[1].integer("maxCombo"), 0);
    EXPECT_EQ(events[2].ev(), "msgbox");
    EXPECT_EQ(events[2].text("text"), "得点-0点  もう一回やる？");
    EXPECT_EQ(events[2].text("caption"), "ゲームオーバー");
    EXPECT_EQ(events[2].text("buttons"), "okcancel");
}

TEST(GameOverSequence, TheQuestionHoldsEverythingStillAndTheExplosionComesOnce) {
    Scripted game;
    giveUp(game);
    ASSERT_EQ(game.run("wait 50"), "");
    const std::size_t before = game.log.count();
    ASSERT_EQ(game.run("wait 5000"), "");
    EXPECT_EQ(game.log.count(), before);
}

TEST(GameOverSequence, TheQuestionReleasesEveryHeldArrow) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 3", "down Left", "down Down", "down E", "ticks 1"}), "");
    ASSERT_EQ(game.play().heldKeys().left, 1);
    ASSERT_EQ(game.run("wait 50"), "");
    EXPECT_EQ(game.play().heldKeys().left, 0);
    EXPECT_EQ(game.play().heldKeys().down, 0);
}

TEST(GameOverSequence, CancelEndsTheProgram) {
    Scripted game;
    giveUp(game);
    ASSERT_EQ(game.runAll({"wait 50", "answer cancel"}), "");
    const auto events = game.log.all();
    EXPECT_EQ(events[events.size() - 2].ev(), "answer");
    EXPECT_EQ(events[events.size() - 2].integer("value"), 2);
    EXPECT_EQ(events.back().ev(), "end");
    EXPECT_TRUE(game.sim.program().ended());
}

TEST(GameOverSequence, OkShowsTheTitleScreenBeforeThePlayScreenGoes) {
    Scripted game;
    giveUp(game);
    ASSERT_EQ(game.run("wait 50"), "");
    const std::size_t before = game.log.count();
    ASSERT_EQ(game.run("answer ok"), "");
    const auto events = game.log.since(before);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].ev(), "answer");
    EXPECT_EQ(events[0].integer("value"), 1);
    EXPECT_EQ(events[1].text("op"), "load");
    EXPECT_EQ(events[2].ev(), "load");
    EXPECT_EQ(events[2].text("form"), "title");
    EXPECT_EQ(events[3].ev(), "unload");
    EXPECT_EQ(events[3].text("form"), "play");
    EXPECT_FALSE(game.sim.program().ended());
}

TEST(GameOverSequence, TheTuneIsNotRestartedAfterTheGameEnded) {
    Scripted game;
    giveUp(game);
    const std::size_t before = game.log.count();
    ASSERT_EQ(game.runAll({"musicend", "wait 50", "answer ok"}), "");
    for (const auto& e : game.log.since(before)) EXPECT_NE(e.ev(), "sound") << e.line();
}

} // namespace
} // namespace zol::test
