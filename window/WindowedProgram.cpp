#include "window/WindowedProgram.h"

#include "platform/ExecutableFolder.h"
#include "platform/ProcessStart.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTimerService.h"
#include "platform/sdl/SdlSoundDevice.h"
#include "shell/FrontEnd.h"
#include "shell/HandlerGuard.h"
#include "trace/Trace.h"
#include "window/Fonts.h"
#include "window/QtWindows.h"
#include "window/StartupMessages.h"
#include "window/UploadChoice.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <unistd.h>

namespace zol::window {

namespace {

bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int runWindowed(int argc, char** argv, const std::string& traceFile) {
    if (!hasDisplay()) {
        std::fputs(kNoDisplayLine, stderr);
        return 1;
    }
    std::FILE* traceOut = nullptr;
    if (!traceFile.empty() && !(traceOut = openFile(traceFile, "wb"))) {
        std::fprintf(stderr, "zolbas: cannot write the trace file %s\n", traceFile.c_str());
        return 2;
    }

    // Qt's own event dispatcher waits to the nanosecond; the GLib one rounds
    // every wait up to a whole millisecond, which makes ticks come late.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    chooseXUploads();
    holdStartupMessages();
    QApplication app(argc, argv);
    startupDone();
    installFontSubstitutions();

    // A trace that cannot be written stops; the game goes on.
    Trace trace(traceOut, [&traceFile](const std::string& reason) {
        std::fprintf(stderr, "zolbas: cannot write the trace file %s (%s); the trace stops here\n",
                     traceFile.c_str(), reason.c_str());
    });
    qt::QtClock clock;
    HandlerGuard guard([](const std::string& message) {
        QMessageBox::critical(nullptr, QString::fromUtf8(BoxBookkeeping::kProgramCaption), QString::fromStdString(message));
        std::exit(1);
    });
    qt::QtTimerService timers(clock, guard);
    qt::QtMessageBoxes boxes(timers.hold(), guard, trace, clock);
    qt::QtSettingsStore settings;
    SdlSoundDevice sound;
    // The sound device (and its soundfont) starts when the first game does,
    // on a thread of its own, so the title screen opens without waiting.
    FrontEnd game({clock, timers, boxes, settings, sound, trace, executableFolder()}, guard, [&](FrontEnd& g) {
        return std::make_unique<QtWindows>(g, [&](ScreenId screen) {
            if (screen == ScreenId::Play) sound.prepare();
        });
    });

    game.start();
    const int status = game.ended() ? 0 : QApplication::exec();
    if (traceOut) std::fclose(traceOut);
    return status;
}

} // namespace zol::window
