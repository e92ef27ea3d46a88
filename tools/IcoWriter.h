#pragma once

#include "assets/XpmImage.h"

#include <cstdint>
#include <vector>

namespace zol {

// A Windows icon file (.ico) holding one picture at several sizes, each
// scaled from the pixel art without blur: 32-bit colour with alpha, and the
// mask that older parts of the system still read.
std::vector<std::uint8_t> icoFile(const XpmImage& picture, const std::vector<int>& sizesPx);

} // namespace zol
