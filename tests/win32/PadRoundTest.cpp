// A round played with a pad alone, through the game's real windows under
// Wine: a scripted pad in the first slot stands in for XInput, so the
// reading of XInput's states (buttons, the stick's axes with up positive)
// is the program's own. Title → A → the stick and the d-pad steer → START
// (the time-out) → A answers → BACK gives up → the explosion → B answers
// the question, and the program ends.
#include "platform/win32/MessageWindow.h"
#include "platform/win32/PadSource.h"
#include "tests/play/EventLog.h"
#include "trace/Trace.h"
#include "win32/Win32Game.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace zol::win32 {
namespace {

// A loaded machine is slow, never wrong: each step may take this long.
constexpr auto kStepDeadline = std::chrono::seconds(30);
constexpr UINT kWatchMs = 500;
constexpr UINT_PTR kWatchTimer = 1;
constexpr SHORT kStickFull = -32768;
constexpr SHORT kStickDrift = 1000;

struct Step {
    WORD buttons = 0;
    SHORT stickX = 0, stickY = 0;
    // The pad stays so until the trace holds an event with this text.
    std::string awaited;
};

// Holds the first slot as the script says and moves on once the trace
// shows what a step waits for. The game reads its pads from a timer that a
// message box's own loop delivers too, so the script runs there rather
// than in the test's code, which waits for the program to end.
class ScriptedPad : public PadSource {
public:
    ScriptedPad(test::EventLog& log, std::vector<Step> steps) : log_(log), steps_(std::move(steps)) {}

    std::optional<XINPUT_GAMEPAD> state(int slot) override {
        if (slot != 0) return std::nullopt;
        followTrace();
        XINPUT_GAMEPAD pad{};
        if (done()) return pad;
        pad.wButtons = steps_[next_].buttons;
        pad.sThumbLX = steps_[next_].stickX;
        pad.sThumbLY = steps_[next_].stickY;
        return pad;
    }
    bool done() const { return next_ == steps_.size(); }
    bool stalled() const { return !done() && std::chrono::steady_clock::now() - since_ > kStepDeadline; }
    std::string awaited() const { return done() ? "" : steps_[next_].awaited; }

    // One step at a time: what follows the event a step waited for counts
    // for the next (a give-up writes the question right after the game's end).
    void followTrace() {
        const std::vector<test::Event> events = log_.since(seen_);
        for (std::size_t i = 0; i < events.size() && !done(); ++i) {
            if (events[i].line().find(steps_[next_].awaited) == std::string::npos) continue;
            seen_ += i + 1;
            ++next_;
            since_ = std::chrono::steady_clock::now();
            return;
        }
        seen_ += events.size();
    }

private:
    test::EventLog& log_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::size_t seen_ = 0;  // events already looked at
    std::chrono::steady_clock::time_point since_ = std::chrono::steady_clock::now();
};

TEST(PadRound, APadAloneTakesAGameFromTheTitleToTheEnd) {
    test::EventLog log;
    Trace trace(log.file());
    ScriptedPad pad(log, {
        {XINPUT_GAMEPAD_A, 0, 0, R"("form":"play")"},
        {0, 0, 0, R"("ev":"tick")"},
        {0, kStickFull, 0, R"("keyState":[1,0,0])"},
        {0, kStickDrift, 0, R"("keyState":[0,0,0])"},
        {0, 0, kStickFull, R"("keyState":[0,0,1])"},  // pulled down: XInput counts up as positive
        {0, 0, 0, R"("keyState":[0,0,0])"},
        {XINPUT_GAMEPAD_DPAD_DOWN, 0, 0, R"("keyState":[0,0,1])"},
        {0, 0, 0, R"("keyState":[0,0,0])"},
        {XINPUT_GAMEPAD_START, 0, 0, R"("ev":"msgbox")"},
        {XINPUT_GAMEPAD_A, 0, 0, R"("ev":"answer")"},
        {XINPUT_GAMEPAD_BACK, 0, 0, R"("ev":"gameover")"},
        {0, 0, 0, R"("text":"得点-)"},
        {XINPUT_GAMEPAD_B, 0, 0, R"("ev":"end")"},
    });
    Win32Game game(trace, ".", pad, [](const std::string& message) {
        ADD_FAILURE() << message;
        PostQuitMessage(1);
    });
    const MessageWindow watch([&](UINT message, WPARAM, LPARAM) {
        if (message != WM_TIMER) return false;
        if (pad.stalled()) PostQuitMessage(1);
        return true;
    });
    SetTimer(watch.hwnd(), kWatchTimer, kWatchMs, nullptr);

    EXPECT_EQ(game.run(), 0);
    pad.followTrace();  // the last step's event ended the program
    EXPECT_TRUE(pad.done()) << "no event with " << pad.awaited() << " in " << kStepDeadline.count() << " s";
    EXPECT_TRUE(game.frontEnd().ended());
}

} // namespace
} // namespace zol::win32
