#pragma once

// The game's pictures, drawn as 32 x 32 pixel, 16-colour XPM text and
// compiled into the program, so the game never looks for image files.
// The data is plain C arrays: hand them to QPixmap(const char* const xpm[]).

namespace zol {

// The still pictures of the game.
enum class Picture { TitleIcon, Meteorite };

// Every picture is a square cell of this many pixels per side.
constexpr int kPictureSizePx = 32;

// The walker store holds seven frames; these name them.
constexpr int kWalkerStrideLeftFrame = 0;
constexpr int kWalkerStandLeftFrame = 1;
constexpr int kWalkerStrideRightFrame = 2;
constexpr int kWalkerStandRightFrame = 3;
// The walker being crushed: head squashed, head pressed flat, walker burning flat.
constexpr int kWalkerFirstCrushFrame = 4;
constexpr int kWalkerLastCrushFrame = 6;
constexpr int kWalkerFrameCount = 7;

// Returns the XPM data of a still picture.
const char* const* pictureXpm(Picture picture);

// Returns the program's icon: a little figure with a bucket of splashing water.
const char* const* titleIconXpm();

// Returns the meteorite: a grinning dark-red rock with flames on its top.
const char* const* meteoriteXpm();

// Returns walker frame `index` (0..6, see the constants above), or nullptr outside that range.
const char* const* walkerXpm(int index);

}  // namespace zol
