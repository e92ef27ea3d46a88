#pragma once

#include "play/PlayLayout.h"

namespace zol::title {

using play::Box;
using play::Font;

// The title screen as designed, in twips and RGB.
inline constexpr const char* kCaption = "ゾルバス  別名　ケルノア";
inline constexpr float kClientWidthTw = 6780;
inline constexpr float kClientHeightTw = 3885;
inline constexpr Rgb kBackColor{0, 192, 0};

struct TitleLabel {
    Box box;
    const char* caption;
    Font font;
    bool underline;
    bool systemTextColour;
    Rgb textColour;
};

// The three title lines: transparent, centred text.
inline constexpr TitleLabel kTitleLines[3] = {
    {{480, 240, 5655, 855}, "ゾルバス", {play::kGothic, 36, false, false}, false, true, {}},
    {{0, 1080, 6735, 855}, "別名　ケルノア", {play::kGothic, 36, false, false}, false, false, {0, 0, 128}},
    {{360, 2280, 5655, 615}, "ZOLBAS PROJECT", {play::kMincho, 24, true, true}, true, false, {255, 255, 0}},
};

struct TitleButton {
    Box box;
    const char* caption;
    Font font;
    bool underline;
};

// The buttons in their focus order: Play first, so Space or Enter at once
// starts a game. END uses the form's default font.
inline constexpr Font kDefaultFont{play::kGothic, 9, false, false};
inline constexpr TitleButton kPlayButton{{105, 2835, 2655, 615}, "Ｐｌａｙ", {play::kGothic, 21.75, true, false}, true};
inline constexpr TitleButton kHelpButton{{3960, 2835, 2655, 615}, "Help", {play::kGothic, 21.75, true, false}, true};
inline constexpr TitleButton kEndButton{{105, 3465, 6525, 330}, "END（ゲーム中のギブアップはEキー）", kDefaultFont, false};

} // namespace zol::title
