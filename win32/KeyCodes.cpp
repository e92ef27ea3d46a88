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

Modifiers heldModifiers() {
    const auto held = [](int key) { return GetKeyState(key) < 0; };
    return {held(VK_CONTROL), held(VK_MENU), held(VK_SHIFT), held(VK_LWIN) || held(VK_RWIN)};
}

std::optional<DisplayCommand> displayCommand(WPARAM virtualKey, Modifiers held) {
    const bool none = !held.control && !held.alt && !held.shift && !held.windows;
    if (virtualKey == VK_F11 && none) return DisplayCommand::ToggleFullScreen;
    if (virtualKey == VK_RETURN && held.alt && !held.control && !held.shift && !held.windows)
        return DisplayCommand::ToggleFullScreen;
    if (!held.control || held.alt || held.windows) return std::nullopt;
    switch (virtualKey) {
    case VK_OEM_PLUS:  // "=" and "+" on US keyboards, "+" on most others
    case VK_ADD: return DisplayCommand::Larger;
    case VK_OEM_MINUS:
    case VK_SUBTRACT: return DisplayCommand::Smaller;
    case '0':
    case VK_NUMPAD0: return DisplayCommand::DesignedSize;
    default: return std::nullopt;
    }
}

} // namespace zol::win32
