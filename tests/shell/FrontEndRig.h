#pragma once

// The game behind the front-end contract on the simulated services, driven
// the way a windowed front end drives it: windows that note what they are
// asked, and real time passing a millisecond at a time.
#include "platform/sim/SimClock.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimSettingsStore.h"
#include "platform/sim/SimSoundDevice.h"
#include "platform/sim/SimTimerService.h"
#include "shell/FrontEnd.h"
#include "platform/HandlerGuard.h"
#include "tests/play/EventLog.h"
#include "trace/Trace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zol::test {

struct RecordedWindows : FrontEndWindows {
    void open(ScreenId) override {}
    void close(ScreenId) override {}
    void raise(ScreenId) override {}
    void repaintPlay(const std::vector<play::PixelRect>& damage) override { repaints.push_back(damage); }
    void startExplosion() override { ++explosions; }
    void quit() override {}
    void displayChanged() override { ++displayChanges; }
    void moveFocus(int step) override { focusMoves.push_back(step); }
    void pressFocused() override { ++presses; }

    std::vector<std::vector<play::PixelRect>> repaints;
    int explosions = 0;
    int displayChanges = 0;
    std::vector<int> focusMoves;
    int presses = 0;
};

// A game whose play screen has just opened.
class FrontEndRig : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        game.buttonChosen(Button::Play);
        wait(60);
    }
    void wait(std::int64_t ms) {
        for (std::int64_t i = 0; i < ms; ++i) {
            clock.set(clock.nowMs() + 1);
            timers.fireDue([this] { return timers.hold().held(); });
        }
    }
    const play::HeldKeys& heldKeys() const { return game.program().play().heldKeys(); }

    sim::SimClock clock;
    sim::SimTimerService timers{clock};
    EventLog log;
    Trace trace{log.file()};
    sim::SimMessageBoxes boxes{timers.hold(), trace, clock};
    sim::SimSettingsStore settings;
    sim::SimSoundDevice sound;
    std::vector<std::string> errors;
    HandlerGuard guard{[this](const std::string& message) { errors.push_back(message); }};
    RecordedWindows* windows = nullptr;
    FrontEnd game{{clock, timers, boxes, settings, settings, sound, trace, "."}, guard, [this](FrontEnd&) {
                      auto made = std::make_unique<RecordedWindows>();
                      windows = made.get();
                      return made;
                  }};
};

} // namespace zol::test
