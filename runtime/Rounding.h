#pragma once

#include <cstdint>

namespace zol {

// A floating-point value stored into an integer goes to the nearest integer,
// a half to the even neighbour (4387.5 -> 4388, -12.5 -> -12). A value outside
// the signed 32-bit range is an overflow.
std::int32_t roundToInt32(double value);

// The floor of a/b on the exact quotient, toward minus infinity.
std::int32_t floorDiv(std::int32_t a, std::int32_t b);

} // namespace zol
