#pragma once

#include "platform/Drawing.h"

#include <optional>

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

enum class Align { Left, Centre };

// How a label is painted: its back colour (none: transparent), its text
// colour (none: the system's button text colour), its font and alignment.
// Captions wrap at word breaks within the label's width and are clipped to
// its box; the label keeps its size whatever its caption.
struct LabelLook {
    Font font;
    std::optional<Rgb> back;
    std::optional<Rgb> text;
    Align align;
};

inline constexpr const char* kGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* kMincho = "ＭＳ Ｐ明朝";

// The status line across the top.
inline constexpr Box kStatusLineBox{0, 0, 8655, 375};
inline constexpr Rgb kStatusLineBack{255, 0, 0};
inline constexpr Font kStatusLineFont{kGothic, 14.25, true, true};
inline constexpr LabelLook kStatusLineLook{kStatusLineFont, kStatusLineBack, std::nullopt, Align::Centre};

// The ground band; its vertical middle is the ground line.
inline constexpr Box kGroundBandBox{0, 5640, 8655, 495};
inline constexpr const char* kGroundBandCaption = "ＯＵＴ　ＺＯＮＥ";
inline constexpr Rgb kGroundBandBack{128, 64, 0};
inline constexpr Rgb kGroundBandText{0, 255, 255};
inline constexpr Font kGroundBandFont{kMincho, 18, true, false};
inline constexpr LabelLook kGroundBandLook{kGroundBandFont, kGroundBandBack, kGroundBandText, Align::Centre};

// The best score and its level, lying on the band.
inline constexpr Box kBestScoreBox{120, 5760, 2535, 255};
inline constexpr const char* kBestScoreCaption = "ＨＩ－";
inline constexpr Rgb kBestScoreBack{0, 255, 255};
inline constexpr Font kBestScoreFont{kGothic, 12, true, false};
inline constexpr LabelLook kBestScoreLook{kBestScoreFont, kBestScoreBack, std::nullopt, Align::Left};

// The best combo, lying on the band.
inline constexpr Box kBestComboBox{5760, 5760, 2535, 255};
inline constexpr const char* kBestComboCaption = "MAXCOMBO：";
inline constexpr Rgb kBestComboBack{0, 255, 255};
inline constexpr Font kBestComboFont{kGothic, 12, true, false};
inline constexpr LabelLook kBestComboLook{kBestComboFont, kBestComboBack, std::nullopt, Align::Left};

// The combo banner: transparent, blue text.
inline constexpr Box kComboBannerBox{0, 2160, 2700, 720};
inline constexpr const char* kComboBannerCaption = "3HIT!";
inline constexpr Rgb kComboBannerText{0, 0, 192};
inline constexpr Font kComboBannerFont{kMincho, 36, true, true};
inline constexpr LabelLook kComboBannerLook{kComboBannerFont, std::nullopt, kComboBannerText, Align::Left};

// The meteorite, and the six walkers, which start right of the client
// area, out of sight.
inline constexpr Box kMeteorBox{4320, -120, 615, 615};
inline constexpr Box kWalkerBoxes[6] = {
    {9480, 4920, 615, 735}, {9720, 4920, 615, 735}, {9840, 4920, 615, 735},
    {9480, 4920, 615, 735}, {9960, 4920, 615, 735}, {9600, 4920, 615, 735},
};
// At load every walker shows the walker store's frame 3: upright, facing right.
inline constexpr int kWalkerPictureAtLoad = 3;

// The timers: the tick timer polls every millisecond (its gate lets a tick
// through every 51 ms), the banner timer flies the combo banner and the
// game-over timer runs the explosion.
inline constexpr int kTickTimerIntervalMs = 1;
inline constexpr int kBannerTimerIntervalMs = 50;
inline constexpr int kGameOverTimerIntervalMs = 50;

// The time-out box.
inline constexpr const char* kTimeOutText = "タイム！！";

} // namespace zol::play
