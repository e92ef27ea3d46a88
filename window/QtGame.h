#pragma once

#include "platform/qt/QtClock.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTimerService.h"
#include "platform/sdl/SdlSoundDevice.h"
#include "shell/FrontEnd.h"
#include "platform/HandlerGuard.h"
#include "window/DisplayKeys.h"
#include "window/PadReader.h"

#include <functional>
#include <optional>
#include <string>

namespace zol {
class Trace;
}

namespace zol::window {

// The game behind its Qt windows, with the Qt, SDL and QSettings services,
// the display's keys and the pads: what the windowed program runs, and what
// a test drives in its own process. Needs a QApplication.
class QtGame {
public:
    // `runtimeError` hears a run-time error's message; the game is over.
    QtGame(Trace& trace, const std::string& appPath, std::function<void(const std::string&)> runtimeError);

    // The title screen opens. The pads are looked for once a window of the
    // game is active, which is when they count: the first look costs a few
    // milliseconds, which the title's start would wait for.
    void start();
    ~QtGame();
    FrontEnd& frontEnd() { return game_; }
    // Nothing until a window of the game has been active.
    PadReader* pads() { return pads_ ? &*pads_ : nullptr; }

private:
    qt::QtClock clock_;
    HandlerGuard guard_;
    qt::QtTimerService timers_;
    qt::QtMessageBoxes boxes_;
    qt::QtSettingsStore settings_;
    SdlSoundDevice sound_;
    FrontEnd game_;
    DisplayKeys displayKeys_;
    std::optional<PadReader> pads_;
    QMetaObject::Connection firstActive_;
};

} // namespace zol::window
