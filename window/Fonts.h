#pragma once

#include "play/PlayLayout.h"

#include <QFont>

namespace zol::window {

// The designed Japanese fonts are shown with their metric-compatible IPA
// fonts, or Noto CJK where those are missing. Must run before the first
// font is made.
void installFontSubstitutions();

// A designed font as Qt's font.
QFont designedFont(const play::Font& font, bool underline = false);

} // namespace zol::window
