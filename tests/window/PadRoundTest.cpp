// A round played with a pad alone, through SDL's game controller API and the
// game's real windows: SDL's virtual pad stands in for one plugged in.
// Title → South → the stick and the d-pad steer → Start (the time-out) →
// South answers → Back gives up → the explosion → East answers the question.
#include "tests/play/EventLog.h"
#include "tests/window/RunEventLoop.h"
#include "trace/Trace.h"
#include "window/Fonts.h"
#include "window/QtGame.h"

#include <QApplication>
#include <QTemporaryDir>
#include <SDL.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using namespace zol;

namespace {

// Thirty seconds for each step of the round.
bool runUntil(const std::function<bool()>& done) { return test::runUntil(done, 30000); }

class PadRound : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(runUntil([&] { return game.pads() && QApplication::activeWindow(); }));
        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        pad.name = "virtual pad";
        const int device = SDL_JoystickAttachVirtualEx(&pad);
        ASSERT_GE(device, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(device);
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
        game.pads()->rescan();
    }
    void TearDown() override {
        if (joystick) SDL_JoystickClose(joystick);
    }

    // Sets a button or moves an axis, then waits for an event holding `seen`
    // among those written since.
    void button(SDL_GameControllerButton b, bool down, const std::string& seen) {
        mark_ = log.count();
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
        waitFor(seen);
    }
    void tilt(SDL_GameControllerAxis axis, int value, const std::string& seen) {
        mark_ = log.count();
        SDL_JoystickSetVirtualAxis(joystick, axis, static_cast<Sint16>(value));
        waitFor(seen);
    }
    void press(SDL_GameControllerButton b, const std::string& seen) {
        button(b, true, seen);
        SDL_JoystickSetVirtualButton(joystick, b, 0);
    }
    void waitFor(const std::string& text) {
        std::size_t seen = 0;
        const bool found = runUntil([&] {
            const std::vector<test::Event> since = log.since(mark_);
            seen = since.size();
            for (const test::Event& e : since)
                if (e.line().find(text) != std::string::npos) return true;
            return false;
        });
        ASSERT_TRUE(found) << "no event with " << text << " among " << seen << " new events";
    }

    test::EventLog log;
    Trace trace{log.file()};
    window::QtGame game{trace, ".", [](const std::string& message) { ADD_FAILURE() << message; }};
    SDL_Joystick* joystick = nullptr;
    std::size_t mark_ = 0;
};

TEST_F(PadRound, APadAloneTakesAGameFromTheTitleToTheEnd) {
    press(SDL_CONTROLLER_BUTTON_A, R"("form":"play")");
    waitFor(R"("ev":"tick")");
    tilt(SDL_CONTROLLER_AXIS_LEFTX, -32768, R"("keyState":[1,0,0])");
    tilt(SDL_CONTROLLER_AXIS_LEFTX, 1000, R"("keyState":[0,0,0])");  // a resting stick's drift
    button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true, R"("keyState":[0,0,1])");
    button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false, R"("keyState":[0,0,0])");
    press(SDL_CONTROLLER_BUTTON_START, R"("ev":"msgbox")");
    press(SDL_CONTROLLER_BUTTON_A, R"("ev":"answer")");
    press(SDL_CONTROLLER_BUTTON_BACK, R"("ev":"gameover")");
    waitFor(R"("text":"得点-)");
    press(SDL_CONTROLLER_BUTTON_B, R"("ev":"end")");
    EXPECT_TRUE(game.frontEnd().ended());
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    window::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
