#include "shell/HelpScreen.h"

#include "platform/Screens.h"

namespace zol {

void HelpScreen::back() { screens_.unload(ScreenId::Help); }

} // namespace zol
