#include "window/DisplayKeys.h"

#include "shell/FrontEnd.h"
#include "window/KeyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace zol::window {

DisplayKeys::DisplayKeys(FrontEnd& game) : game_(game) { qApp->installEventFilter(this); }

bool DisplayKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || QApplication::activeModalWidget())
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const auto command = displayCommand(key);
    if (!command) return false;
    // A held key changes the display once.
    if (!key.isAutoRepeat()) {
        const QScreen* monitor = static_cast<QWidget*>(watched)->window()->screen();
        const QSize room = monitor->availableGeometry().size();
        game_.changeDisplay(*command, {room.width(), room.height()});
    }
    return true;
}

} // namespace zol::window
