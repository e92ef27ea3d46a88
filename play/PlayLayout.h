#pragma once

#include "platform/Drawing.h"

namespace zol::play {

// The play screen as designed. Positions and sizes in twips from the top
// left of the client area (15 twips a pixel at 100 %), colours as RGB.

// The window.
inline constexpr const char* kCaption = "ゾルバス";
inline constexpr float kClientWidthTw = 8655;
inline constexpr float kClientHeightTw = 6135;
// The outer width: the client width and a 3-pixel frame on each side.
inline constexpr float kFormWidthTw = 8745;
inline constexpr Rgb kBackColor{255, 128, 0};

struct Box {
    float left, top, width, height;
    bool operator==(const Box&) const = default;
};

struct Font {
    const char* family;
    double points;
    bool bold;
    bool italic;
};

inline constexpr const char* kGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* kMincho = "ＭＳ Ｐ明朝";

// The status line across the top.
inline constexpr Box kLabel1Box{0, 0, 8655, 375};
inline constexpr Rgb kLabel1Back{255, 0, 0};
inline constexpr Font kLabel1Font{kGothic, 14.25, true, true};

// The ground band; its vertical middle is the ground line.
inline constexpr Box kLabel2Box{0, 5640, 8655, 495};
inline constexpr const char* kLabel2Caption = "ＯＵＴ　ＺＯＮＥ";
inline constexpr Rgb kLabel2Back{128, 64, 0};
inline constexpr Rgb kLabel2Text{0, 255, 255};
inline constexpr Font kLabel2Font{kMincho, 18, true, false};

// The best score and its level, lying on the band.
inline constexpr Box kLabel3Box{120, 5760, 2535, 255};
inline constexpr const char* kLabel3Caption = "ＨＩ－";
inline constexpr Rgb kLabel3Back{0, 255, 255};
inline constexpr Font kLabel3Font{kGothic, 12, true, false};

// The best combo, lying on the band.
inline constexpr Box kLabel4Box{5760, 5760, 2535, 255};
inline constexpr const char* kLabel4Caption = "MAXCOMBO：";
inline constexpr Rgb kLabel4Back{0, 255, 255};
inline constexpr Font kLabel4Font{kGothic, 12, true, false};

// The combo banner: transparent, blue text.
inline constexpr Box kConBox{0, 2160, 2700, 720};
inline constexpr const char* kConCaption = "3HIT!";
inline constexpr Rgb kConText{0, 0, 192};
inline constexpr Font kConFont{kMincho, 36, true, true};

// The meteorite, Image1(0), and the six walkers, Image1(1) to Image1(6),
// which start right of the client area, out of sight.
inline constexpr Box kImage1Boxes[7] = {
    {4320, -120, 615, 615},  {9480, 4920, 615, 735}, {9720, 4920, 615, 735}, {9840, 4920, 615, 735},
    {9480, 4920, 615, 735},  {9960, 4920, 615, 735}, {9600, 4920, 615, 735},
};
// At load every walker shows the walker store's frame 3: upright, facing right.
inline constexpr int kWalkerPictureAtLoad = 3;

// The timers: Timer1 polls every millisecond, Timer2 flies the banner and
// Timer3 runs the game-over sequence.
inline constexpr int kTimer1IntervalMs = 1;
inline constexpr int kTimer2IntervalMs = 50;
inline constexpr int kTimer3IntervalMs = 50;

// The time-out box.
inline constexpr const char* kTimeOutText = "タイム！！";

} // namespace zol::play
