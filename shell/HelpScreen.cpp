#include "shell/HelpScreen.h"

#include "platform/Forms.h"

namespace zol {

void HelpScreen::Command1_Click() { forms_.unload(FormId::Help); }

} // namespace zol
