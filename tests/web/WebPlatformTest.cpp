// The page's services (platform/web) under node, against the stand-in
// browser of stand-in-page.js.
#include "platform/TimerHold.h"
#include "platform/sim/SimClock.h"
#include "platform/web/TraceBuffer.h"
#include "platform/web/WebMessageBoxes.h"
#include "platform/web/WebSettingsStore.h"
#include "platform/web/WebSoundDevice.h"
#include "platform/HandlerGuard.h"
#include "store/BestScores.h"
#include "store/ScoreStore.h"
#include "tests/play/EventLog.h"
#include "trace/Trace.h"

#include <emscripten.h>
#include <gtest/gtest.h>

#include <string>

namespace zol::web {
namespace {

std::string script(const std::string& code) { return emscripten_run_script_string(code.c_str()); }

void setItem(const std::string& name, const std::string& text) {
    EM_ASM({ standIn.items.set(UTF8ToString($0), UTF8ToString($1)); }, name.c_str(), text.c_str());
}

std::string item(const std::string& name) { return script("String(standIn.items.get('" + name + "'))"); }

// What the stand-in page was asked since the last look.
std::string calls() { return script("const c = standIn.calls.join(';'); standIn.calls = []; c"); }

class WebPlatform : public testing::Test {
protected:
    void SetUp() override {
        EM_ASM({
            standIn.items.clear();
            standIn.refuseWrites = standIn.noStorage = false;
            standIn.calls = [];
        });
    }

    BestScores best;
    Trace trace;
    TimerHold hold;
    HandlerGuard guard{[](const std::string& message) { FAIL() << message; }};
    sim::SimClock clock;
    WebSettingsStore settings;
    ScoreStore store{best, settings, trace, clock};
};

TEST_F(WebPlatform, TheBestValuesLiveInLocalStorageUnderTheApplicationAndSection) {
    setItem("ZOL/1/HI", "4200");
    setItem("ZOL/1/HIc", "7");
    store.load();
    EXPECT_EQ(best.hiScore, 4200);
    EXPECT_EQ(best.maxCombo, 7);
    best.hiScore = 5000;
    EXPECT_EQ(store.save(), "");
    EXPECT_EQ(item("ZOL/1/HI"), "5000");
    EXPECT_EQ(item("ZOL/1/HIc"), "7");
}

TEST_F(WebPlatform, AStoredValueThatIsNotANumberGivesTheDefaultAndAWarning) {
    setItem("ZOL/1/HI", "lots");
    testing::internal::CaptureStderr();
    store.load();
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_EQ(best.hiScore, ScoreStore::kHiDefault);
    EXPECT_NE(warning.find("HI is not a number in range (\"lots\")"), std::string::npos) << warning;
}

TEST_F(WebPlatform, ASaveNeverLowersABestThatAnotherTabSavedMeanwhile) {
    store.load();
    setItem("ZOL/1/HI", "9000");
    best.hiScore = 3000;
    EXPECT_EQ(store.save(), "");
    EXPECT_EQ(best.hiScore, 9000);
    EXPECT_EQ(item("ZOL/1/HI"), "9000");
}

TEST_F(WebPlatform, AStorageThatRefusesWritesGivesTheReasonInsteadOfFailing) {
    EM_ASM({ standIn.refuseWrites = true; });
    store.load();
    EXPECT_NE(store.save().find("QuotaExceededError"), std::string::npos);
    EXPECT_EQ(item("ZOL/1/HI"), "undefined");

    EM_ASM({ standIn.noStorage = true; });
    store.load();
    EXPECT_EQ(best.hiScore, ScoreStore::kHiDefault) << "no storage reads as nothing stored";
    EXPECT_NE(store.save().find("SecurityError"), std::string::npos);
}

TEST_F(WebPlatform, ABoxIsTracedAndHoldsUntilThePageAnswers) {
    test::EventLog log;
    Trace traced(log.file());
    WebMessageBoxes boxes(hold, guard, traced, clock);
    int answer = 0;
    boxes.open(BoxRequest{"得点-0点  もう一回やる？", "ゲームオーバー", BoxButtons::OkCancel, BoxIcon::Exclamation},
               [&](int value) { answer = value; });
    EXPECT_TRUE(boxes.isOpen());
    EXPECT_TRUE(hold.held());
    EXPECT_EQ(calls(), "box|得点-0点  もう一回やる？|ゲームオーバー|true|true");
    clock.set(100050);
    boxes.answered(false);
    EXPECT_FALSE(boxes.isOpen());
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(answer, kAnswerCancel);
    const auto events = log.all();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].line(), R"({"ev":"answer","t":100050,"value":2})");
}

TEST_F(WebPlatform, AnOkOnlyBoxAnswersOkHoweverItIsClosedAndAWarningIsNotTraced) {
    test::EventLog log;
    Trace traced(log.file());
    WebMessageBoxes boxes(hold, guard, traced, clock);
    int answer = 0;
    boxes.open(BoxRequest{"タイム！！", "ゾルバス", BoxButtons::Ok, BoxIcon::None}, [&](int value) { answer = value; });
    boxes.answered(false);
    EXPECT_EQ(answer, kAnswerOk);

    bool continued = false;
    boxes.warn("ベストスコアを保存できませんでした。", [&] { continued = true; });
    EXPECT_EQ(calls(), "box|タイム！！|ゾルバス|false|false;box|ベストスコアを保存できませんでした。|ゾルバス|false|true");
    EXPECT_FALSE(continued);
    EXPECT_TRUE(hold.held()) << "a warning holds the game too";
    boxes.answered(true);
    EXPECT_TRUE(continued);
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(log.all().size(), 2u) << "the warning adds no event";
}

TEST_F(WebPlatform, TheTunePlaysUntilThePageSaysItsRoundIsOver) {
    WebSoundDevice sound;
    EXPECT_TRUE(sound.open(Channel::Tune, "/game/music1.mid"));
    sound.rewind(Channel::Tune);
    EXPECT_TRUE(sound.play(Channel::Tune));
    EXPECT_FALSE(sound.open(Channel::Cue, "/game/missing.wav"));
    EXPECT_EQ(calls(), "open|0|music1.mid;rewind|0;play|0;open|1|missing.wav");
    EXPECT_TRUE(sound.isPlaying(Channel::Tune));
    sound.play(Channel::Cue);
    sound.tuneEnded();
    EXPECT_FALSE(sound.isPlaying(Channel::Tune));
    EXPECT_TRUE(sound.isPlaying(Channel::Cue)) << "the end of the tune is not the cue's";
    sound.close(Channel::Cue);
    EXPECT_FALSE(sound.isPlaying(Channel::Cue));
}

// A game left running writes its trace for hours: what the page has taken
// must not stay in memory, and nothing may be lost or doubled between takes.
TEST(TraceBuffer, WhatIsTakenIsLetGoAndEveryLineComesOutOnce) {
    TraceBuffer buffer;
    Trace trace(buffer.file());
    std::string written, taken;
    for (int tick = 0; tick < 3000; ++tick) {
        const std::string line = std::to_string(tick) + std::string(600, 'x');
        trace.write(line);
        written += line + "\n";
        if (tick % 100 == 99) {
            EXPECT_LE(buffer.held(), 100 * (line.size() + 1));
            taken += buffer.take();
        }
    }
    EXPECT_EQ(buffer.take(), "");
    EXPECT_EQ(taken, written);
}

} // namespace
} // namespace zol::web

