#include "window/WindowedProgram.h"

#include "platform/ExecutableFolder.h"
#include "platform/ProcessStart.h"
#include "trace/Trace.h"
#include "window/Fonts.h"
#include "window/QtGame.h"
#include "window/StartupMessages.h"
#include "window/UploadChoice.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
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
    QtGame game(trace, executableFolder(), [](const std::string& message) {
        QMessageBox::critical(nullptr, QString::fromUtf8(BoxBookkeeping::kProgramCaption), QString::fromStdString(message));
        std::exit(1);
    });
    game.start();
    const int status = game.frontEnd().ended() ? 0 : QApplication::exec();
    if (traceOut) std::fclose(traceOut);
    return status;
}

} // namespace zol::window
