// `zolbas --simulate`: a script drives the program; a line that cannot run
// stops it with status 2 and names the line.
#include "simulate/Simulation.h"
#include "tests/play/EventLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace zol::test {
namespace {

struct Outcome {
    int status;
    std::string error;
    std::vector<Event> events;
};

Outcome runScript(const std::string& script) {
    EventLog log;
    std::istringstream in(script);
    simulate::Simulation sim(log.file());
    ::testing::internal::CaptureStderr();
    const int status = sim.run(in);
    const std::string error = ::testing::internal::GetCapturedStderr();
    return {status, error, log.all()};
}

void expectScriptError(const std::string& script, int line) {
    const Outcome out = runScript(script);
    EXPECT_EQ(out.status, 2) << script;
    EXPECT_NE(out.error.find("line " + std::to_string(line) + ":"), std::string::npos) << out.error;
    EXPECT_EQ(std::count(out.error.begin(), out.error.end(), '\n'), 1) << out.error;
}

TEST(ScriptErrors, AnUnknownCommandStopsTheScriptWithStatusTwo) {
    expectScriptError("click play\nticks 2\njump\n", 3);
    expectScriptError("click start\n", 1);
    expectScriptError("Ticks 1\n", 1);
    expectScriptError("click play\ndown Up\n", 2);
}

TEST(ScriptErrors, TicksNeedsACountOfAtLeastOne) {
    expectScriptError("click play\nticks 0\n", 2);
    expectScriptError("click play\nticks -3\n", 2);
}

TEST(ScriptErrors, AKeyBeforeThePlayScreenIsLoadedIsImpossible) {
    expectScriptError("# keys first\ndown Left\n", 2);
    expectScriptError("up Right\n", 1);
}

TEST(ScriptErrors, AnAnswerWithNoBoxOpenIsImpossible) {
    expectScriptError("click play\nticks 1\nanswer ok\n", 3);
}

TEST(ScriptErrors, TicksAreImpossibleWithoutAPlayScreenAndAfterTheGameEnded) {
    expectScriptError("ticks 1\n", 1);
    expectScriptError("click play\ndown E\nticks 1\nticks 1\n", 4);
}

TEST(ScriptErrors, ALineThatWouldTakeTheClockPastItsEndIsImpossible) {
    // 100000 + 9223372036854675707 is 100 ms before the 64-bit clock's end.
    expectScriptError("wait 9223372036854775807\n", 1);
    expectScriptError("wait 9223372036854675807\nclick play\nticks 1\n", 3);
    expectScriptError("wait 9223372036854675707\nclick play\nticks 2\nticks 1\n", 4);
    expectScriptError("wait 9223372036854675707\nclick play\nwait 100\nwait 1\n", 4);
    const Outcome out = runScript("wait 9223372036854675707\nclick play\nticks 2\nwait 48\n");
    EXPECT_EQ(out.status, 0) << out.error;
    EXPECT_EQ(out.events.back().t(), 9223372036854775807 - 48);
}

TEST(ScriptErrors, TheLineIsQuotedEscapedAndCut) {
    const std::string longLine(1 << 20, 'x');
    for (const std::string& line : {longLine, std::string("ju\0mp", 5), std::string("\xEF\xBB\xBF" "click play"),
                                    std::string("jump\r"), std::string("click\xC2\xA0play")}) {
        const Outcome out = runScript(line + "\n");
        EXPECT_EQ(out.status, 2);
        EXPECT_LT(out.error.size(), 120u) << out.error;
        for (const char c : out.error.substr(0, out.error.size() - 1))
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << out.error;
    }
    EXPECT_NE(runScript("\xEF\xBB\xBF" "click play\n").error.find("\"\\xEF\\xBB\\xBFclick play\""),
              std::string::npos);
    EXPECT_NE(runScript("ticks 1\xC2\xA0\n").error.find("\"1\\xC2\\xA0\""), std::string::npos);
}

TEST(ScriptErrors, EverythingUpToTheBadLineHasRun) {
    const Outcome out = runScript("click play\nticks 2\nfly\nticks 2\n");
    EXPECT_EQ(std::count_if(out.events.begin(), out.events.end(), [](const Event& e) { return e.ev() == "tick"; }),
              2);
}

TEST(ScriptRun, TheRestOfAScriptAfterTheProgramEndedIsIgnored) {
    const Outcome out = runScript("click end\nfly away\nticks 0\n");
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.error, "");
    EXPECT_EQ(out.events.back().ev(), "end");
    EXPECT_EQ(out.events.back().t(), 100000);
}

TEST(ScriptRun, CommentsAndBlankLinesAreSkipped) {
    const Outcome out = runScript("# a game\n\n   \nclick play   # go\nticks 1 # one\n");
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.events.back().ev(), "tick");
}

TEST(ScriptRun, TicksStopsQuietlyWhenTheGameEndsOnTheWay) {
    const Outcome out = runScript("click play\ndown E\nticks 5\nwait 50\n");
    EXPECT_EQ(out.status, 0);
    std::vector<std::string> kinds;
    for (const auto& e : out.events) kinds.push_back(e.ev());
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "tick"), 1);
    EXPECT_EQ(out.events[out.events.size() - 3].ev(), "gameover");
    EXPECT_EQ(out.events[out.events.size() - 3].t(), 100051);
}

TEST(ScriptRun, AStoredBestScoreSetBeforePlayIsLoadedWithThePlayScreen) {
    const Outcome out = runScript("set HI 12345\nclick play\nticks 1\n");
    ASSERT_EQ(out.status, 0);
    std::vector<Event> stores;
    for (const auto& e : out.events)
        if (e.ev() == "store") stores.push_back(e);
    ASSERT_EQ(stores.size(), 2u);
    EXPECT_EQ(stores[0].integer("hiScore"), 1000);  // the title screen, before the line ran
    EXPECT_EQ(stores[1].integer("hiScore"), 12345);
    EXPECT_EQ(out.events.back().text("label3"), "HI-12345LV:42");
}

TEST(ScriptRun, TheProgramStartsAtVirtualTime100000WithTheTitleScreen) {
    const Outcome out = runScript("");
    ASSERT_EQ(out.events.size(), 2u);
    EXPECT_EQ(out.events[0].ev(), "store");
    EXPECT_EQ(out.events[0].text("op"), "load");
    EXPECT_EQ(out.events[0].integer("hiScore"), 1000);
    EXPECT_EQ(out.events[0].integer("maxCombo"), 0);
    EXPECT_EQ(out.events[1].ev(), "load");
    EXPECT_EQ(out.events[1].text("form"), "title");
    EXPECT_EQ(out.events[1].t(), 100000);
}

} // namespace
} // namespace zol::test
