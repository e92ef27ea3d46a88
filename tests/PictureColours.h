#pragma once

#include <cstdint>

#include "assets/XpmImage.h"

namespace zol::test {

// Colour families as a player names them. The checks accept a band of
// shades, so touching up the palette does not break the tests while a
// wrong colour (a green head, a blue fire) still does.
enum class Hue { Yellow, Magenta, DarkPurple, Red, DarkRed, White, Cyan };

inline bool isHue(std::uint32_t argb, Hue hue) {
  if ((argb >> 24) == 0) {
    return false;
  }
  const int r = static_cast<int>((argb >> 16) & 0xFF);
  const int g = static_cast<int>((argb >> 8) & 0xFF);
  const int b = static_cast<int>(argb & 0xFF);
  switch (hue) {
    case Hue::Yellow:
      return r >= 0xB0 && g >= 0x90 && b < 0x60;
    case Hue::Magenta:
      return r >= 0xC0 && b >= 0xC0 && g < 0x60;
    case Hue::DarkPurple:
      return r >= 0x40 && r < 0xB0 && b >= 0x40 && b < 0xB0 && g < 0x40;
    case Hue::Red:
      return r >= 0xC0 && g < 0x60 && b < 0x60;
    case Hue::DarkRed:
      return r >= 0x50 && r < 0xC0 && g < 0x50 && b < 0x50;
    case Hue::White:
      return r >= 0xE0 && g >= 0xE0 && b >= 0xE0;
    case Hue::Cyan:
      return r < 0x60 && g >= 0xC0 && b >= 0xC0;
  }
  return false;
}

// Where one colour family sits inside a band of rows of a picture.
struct HueSpread {
  int count = 0;
  int top = -1;
  int bottom = -1;
  int left = -1;
  int right = -1;
  double meanX = 0.0;
  double meanY = 0.0;

  int height() const { return count == 0 ? 0 : bottom - top + 1; }
  int width() const { return count == 0 ? 0 : right - left + 1; }
};

inline HueSpread spreadOf(const XpmImage& image, Hue hue, int firstRow = 0, int lastRow = 1 << 20) {
  HueSpread spread;
  for (int y = firstRow; y <= lastRow && y < image.heightPx; ++y) {
    for (int x = 0; x < image.widthPx; ++x) {
      if (!isHue(image.at(x, y), hue)) {
        continue;
      }
      if (spread.count == 0) {
        spread.top = y;
        spread.left = x;
        spread.right = x;
      }
      spread.bottom = y;
      spread.left = x < spread.left ? x : spread.left;
      spread.right = x > spread.right ? x : spread.right;
      spread.meanX += x;
      spread.meanY += y;
      ++spread.count;
    }
  }
  if (spread.count > 0) {
    spread.meanX /= spread.count;
    spread.meanY /= spread.count;
  }
  return spread;
}

}  // namespace zol::test
