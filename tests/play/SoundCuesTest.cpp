// The order of the sounds within a tick: a crush cue per crushed walker,
// the level-up cue after them, then the tune's check.
#include "tests/play/Scripted.h"
#include "tests/play/TickBench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zol::test {
namespace {

using Calls = std::vector<std::string>;

TEST(CueOrder, ThreeWalkersCrushedInOneLandingCallTheCrushCueThreeTimes) {
    TickBench bench;
    bench.meteorAtCrushHeight();
    for (int i : {2, 4, 5}) bench.walkerArrivesUnderMeteor(i);
    EXPECT_EQ(bench.tick(), (Calls{"crush", "crush", "crush", "banner", "levelup", "music"}));
    EXPECT_EQ(bench.s.combo, 3);
}

TEST(CueOrder, ACrushThatRaisesTheLevelPlaysTheCrushCueFirstAndTheLevelUpCueAfter) {
    TickBench bench;
    bench.s.score = 160;
    bench.meteorAtCrushHeight();
    bench.walkerArrivesUnderMeteor(6);
    EXPECT_EQ(bench.tick(), (Calls{"crush", "banner", "levelup", "music"}));
}

TEST(CueOrder, TheTuneIsCheckedOnEveryProcessedTickBeforeTheGameOverTest) {
    TickBench bench;
    EXPECT_EQ(bench.tick(), (Calls{"music"}));
    bench.s.meteorsLeft = -1;
    EXPECT_EQ(bench.tick(), (Calls{"music", "gameover"}));
}

TEST(Tune, TheTuneStartsOnTheFirstTickOnTheFirstPlayer) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 3"}), "");
    const auto sounds = game.log.only("sound");
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].t(), 100001);
    EXPECT_EQ(sounds[0].integer("player"), 1);
    EXPECT_EQ(sounds[0].text("file"), "music1.mid");
}

TEST(Tune, TheTuneStartsAgainOnTheFirstTickAfterItEnded) {
    Scripted game;
    ASSERT_EQ(game.runAll({"click play", "ticks 3", "musicend", "wait 20"}), "");
    EXPECT_EQ(game.log.only("sound").size(), 1u);
    ASSERT_EQ(game.run("ticks 1"), "");
    const auto sounds = game.log.only("sound");
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[1].t(), game.state().lastTick);
    EXPECT_EQ(sounds[1].text("file"), "music1.mid");
    ASSERT_EQ(game.run("ticks 5"), "");
    EXPECT_EQ(game.log.only("sound").size(), 2u);
}

// Over a long game, every tick's cues match what the tick did: one crush cue
// per walker crushed in it, then the level-up cue when the level rose.
TEST(Cues, EveryCrushAndEveryLevelUpOfALongGameIsHeardInItsTick) {
    Scripted game;
    ASSERT_EQ(game.run("click play"), "");
    int crushes = 0, levelUps = 0;
    std::int32_t level = 1;
    for (int n = 0; n < 1200 && game.play().tickTimerEnabled(); ++n) {
        ASSERT_EQ(game.run("ticks 1"), "");
        Calls heard;
        for (const auto& e : game.log.fresh()) {
            if (e.ev() != "sound" || e.integer("player") != 2) continue;
            EXPECT_EQ(e.t(), game.state().lastTick);
            heard.push_back(e.text("file"));
        }
        Calls expected;
        for (int i = 1; i <= 6; ++i)
            if (game.state().walkFrame[i] == 40) expected.push_back("snd.wav");
        crushes += static_cast<int>(expected.size());
        if (game.state().level != level) {
            expected.push_back("lvup.wav");
            ++levelUps;
        }
        level = game.state().level;
        EXPECT_EQ(heard, expected) << "tick " << n + 1;
    }
    EXPECT_GT(crushes, 5);
    EXPECT_GT(levelUps, 2);
}

// Random arrow keys from a fixed seed until one landing crushes three
// walkers at once (in the 3382nd tick of this seed's play), then what that
// tick made heard.
TEST(Cues, ALandingOnThreeWalkersIsHeardAsThreeCrushCuesOnTheCuePlayer) {
    Scripted game;
    std::mt19937 rng(2);
    std::uniform_int_distribution<int> dice(0, 999);
    const char* keys[] = {"up Left", "down Right", "up Down", "down Left", "up Right", "down Down"};
    int crushed = 0;
    std::int32_t levelBefore = 1;
    std::vector<Event> heard;
    for (int n = 0; n < 10000 && crushed < 3; ++n) {
        if (!game.sim.program().isLoaded(ScreenId::Play)) {
            ASSERT_EQ(game.run("click play"), "");
        }
        if (const int roll = dice(rng); roll < 30) {
            ASSERT_EQ(game.run(keys[roll % 6]), "");
        }
        levelBefore = game.state().level;
        ASSERT_EQ(game.run("ticks 1"), "");
        heard = game.log.fresh();
        crushed = 0;
        for (int i = 1; i <= 6; ++i) crushed += game.state().walkFrame[i] == 40;
        if (!game.play().tickTimerEnabled()) {
            ASSERT_EQ(game.runAll({"wait 50", "answer ok"}), "");
        }
    }
    ASSERT_EQ(crushed, 3) << "no landing on three walkers";
    Calls files;
    for (const auto& e : heard)
        if (e.ev() == "sound" && e.integer("player") == 2) files.push_back(e.text("file"));
    Calls expected{"snd.wav", "snd.wav", "snd.wav"};
    if (game.state().level != levelBefore) expected.push_back("lvup.wav");
    EXPECT_EQ(files, expected);
    EXPECT_GE(game.state().combo, 3);
    EXPECT_EQ(game.controls().comboBanner.caption, std::to_string(game.state().combo) + "HIT!");
}

} // namespace
} // namespace zol::test
