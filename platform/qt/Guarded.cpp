#include "platform/qt/Guarded.h"

#include "runtime/RuntimeError.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace zol::qt {

namespace {

// Once a run-time error has been shown, no handler of the game runs again:
// the box that tells of it runs Qt's event loop, whose timers would
// otherwise go on calling into a game that has failed.
bool failed = false;

} // namespace

void guarded(const std::function<void()>& handler) {
    if (failed) return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        failed = true;
        std::fprintf(stderr, "zolbas: %s\n", error.what());
        QMessageBox::critical(nullptr, QStringLiteral("ゾルバス"), QString::fromUtf8(error.what()));
        std::exit(1);
    }
}

} // namespace zol::qt
