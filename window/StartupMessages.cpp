#include "window/StartupMessages.h"

#include "platform/PrintableText.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace zol::window {

std::string unreachableDisplayLine(const char* display, const char* waylandDisplay, const char* qpaPlatform,
                                   const std::string& why) {
    std::string named;
    const auto name = [&](const char* variable, const char* value) {
        if (!value || !*value) return;
        named += (named.empty() ? "" : " or ") + std::string(variable) + "=" + printable(value);
    };
    name("WAYLAND_DISPLAY", waylandDisplay);
    name("DISPLAY", display);
    name("QT_QPA_PLATFORM", qpaPlatform);
    return "zolbas: cannot reach the display " + named + " to open the game's window" +
           (why.empty() ? "" : " (" + why + ")") + "\n";
}

namespace {

bool starting = false;
std::vector<QString> held;

bool isRuntimeFolderNotice(const QString& message) {
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void show(const QString& message) {
    if (!isRuntimeFolderNotice(message)) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Why Qt could not start: the first warning it gave (the display refused,
// a plugin missing; what follows repeats it), on one line.
std::string reason() {
    constexpr qsizetype kMostChars = 160;
    for (const QString& message : held)
        if (!isRuntimeFolderNotice(message)) return message.simplified().left(kMostChars).toStdString();
    return {};
}

void messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg && starting) {
        const std::string line = unreachableDisplayLine(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                                        std::getenv("QT_QPA_PLATFORM"), reason());
        std::fputs(line.c_str(), stderr);
        _exit(1);
    }
    if (type == QtDebugMsg) return;
    if (starting) {
        held.push_back(message);
    } else {
        show(message);
    }
}

} // namespace

void holdStartupMessages() {
    starting = true;
    qInstallMessageHandler(messages);
}

void startupDone() {
    starting = false;
    for (const QString& message : held) show(message);
    held.clear();
}

} // namespace zol::window
