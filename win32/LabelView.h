#pragma once

#include "platform/win32/SystemHeaders.h"
#include "play/PlayScene.h"

namespace zol::win32 {

class Fonts;

// Paints one label of the play screen as its look says: its back colour
// (or none), the caption from the top, wrapped at word breaks and clipped
// to the label.
void paintLabel(HDC target, const play::SceneItem& label, const RECT& where, Fonts& fonts, int dpi);

} // namespace zol::win32
