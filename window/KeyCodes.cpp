#include "window/KeyCodes.h"

#include <QKeyEvent>

namespace zol::window {

play::Key gameKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left: return play::Key::Left;
    case Qt::Key_Right: return play::Key::Right;
    case Qt::Key_Down: return play::Key::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return play::Key::Enter;
    case Qt::Key_E: return play::Key::GiveUp;
    default: return play::Key::Other;
    }
}

} // namespace zol::window
