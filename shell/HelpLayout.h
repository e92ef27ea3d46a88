#pragma once

#include "play/PlayLayout.h"

namespace zol::help {

using play::Box;
using play::Font;

// The help screen as designed, in twips and RGB.
inline constexpr const char* kCaption = "ヘルプ！！";
inline constexpr float kClientWidthTw = 6780;
inline constexpr float kClientHeightTw = 5865;
inline constexpr Rgb kBackColor{0, 255, 255};

// The rich text box with the document, second in the focus order.
inline constexpr Box kDocumentBox{360, 120, 6375, 4815};
inline constexpr Font kDocumentFont{"MS UI Gothic", 12, true, false};

// "戻ります", first in the focus order: Space or Enter closes the screen.
inline constexpr Box kBackButton{3240, 5160, 3375, 495};
inline constexpr const char* kBackButtonCaption = "戻ります";
inline constexpr Font kBackButtonFont{play::kGothic, 14.25, true, true};

// The title icon at its natural size of 32 x 32 pixels.
inline constexpr Box kIconBox{240, 5160, 480, 480};

} // namespace zol::help
