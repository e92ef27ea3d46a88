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

std::optional<DisplayCommand> displayCommand(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if (key == Qt::Key_F11 && modifiers == Qt::NoModifier) return DisplayCommand::ToggleFullScreen;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::AltModifier)
        return DisplayCommand::ToggleFullScreen;
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier))) return std::nullopt;
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return DisplayCommand::Larger;
    case Qt::Key_Minus: return DisplayCommand::Smaller;
    case Qt::Key_0: return DisplayCommand::DesignedSize;
    default: return std::nullopt;
    }
}

} // namespace zol::window
