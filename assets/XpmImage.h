#pragma once

#include <cstdint>
#include <vector>

namespace zol {

// A decoded XPM picture: one 0xAARRGGBB colour per pixel, row by row.
// Transparent pixels ("None") read as 0, every other colour is fully opaque.
struct XpmImage {
  int widthPx = 0;
  int heightPx = 0;
  int colourCount = 0;
  std::vector<std::uint32_t> argb;

  // Returns the colour of the pixel at column x, row y.
  std::uint32_t at(int x, int y) const;
  // Tells whether the pixel at column x, row y is drawn at all.
  bool opaqueAt(int x, int y) const;
};

// Reads XPM3 data the way it is compiled into the program, accepting
// "#RRGGBB" and "None" colours. Throws std::runtime_error on anything
// malformed, so a broken picture fails a test instead of showing garbage.
XpmImage readXpm(const char* const* xpm);

}  // namespace zol
