#pragma once

#include "platform/Drawing.h"

#include <QWidget>

namespace zol::window {

// Sets a form's window up as designed: its caption, a fixed client size in
// twips (no maximise, no minimise, a close box), its back colour and, for
// the title and play screens, the game's icon.
void setUpFormWindow(QWidget& window, const char* caption, float widthTw, float heightTw, const Rgb& back,
                     bool withIcon);

} // namespace zol::window
