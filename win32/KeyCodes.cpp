#include "win32/KeyCodes.h"

namespace zol::win32 {

play::Key gameKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_LEFT: return play::Key::Left;
    case VK_RIGHT: return play::Key::Right;
    case VK_DOWN: return play::Key::Down;
    case VK_RETURN: return play::Key::Enter;
    case 'E': return play::Key::GiveUp;
    default: return play::Key::Other;
    }
}

} // namespace zol::win32
