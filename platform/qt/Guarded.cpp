#include "platform/qt/Guarded.h"

#include "platform/RuntimeError.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace zol::qt {

void guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "zolbas: %s\n", error.what());
        QMessageBox::critical(nullptr, QStringLiteral("ゾルバス"), QString::fromUtf8(error.what()));
        std::exit(1);
    }
}

} // namespace zol::qt
