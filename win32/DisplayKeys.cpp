#include "win32/DisplayKeys.h"

#include "shell/FrontEnd.h"
#include "win32/KeyCodes.h"
#include "win32/Monitors.h"

namespace zol::win32 {

bool displayKey(FrontEnd& game, const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const auto command = displayCommand(message.wParam, heldModifiers());
    if (!command) return false;
    // The system still hears of Alt+Enter, or releasing Alt would open the
    // window menu; untranslated, it makes no character and so no beep.
    if (message.message == WM_SYSKEYDOWN) DefWindowProcW(message.hwnd, message.message, message.wParam, message.lParam);
    // A held key changes the display once.
    if (!isAutoRepeat(message.lParam)) game.changeDisplay(*command, workRoom(GetAncestor(message.hwnd, GA_ROOT)));
    return true;
}

} // namespace zol::win32
