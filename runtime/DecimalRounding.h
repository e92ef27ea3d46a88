#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zol {

// The whole number nearest to the decimal "whole.fraction" (digits only),
// worked out exactly on the digits as a program does that first reads the
// text into the nearest double and then rounds a half to the even
// neighbour. No locale, no stream. No number when the whole part has more
// than ten significant digits: such a value is out of every range we keep.
std::optional<std::uint64_t> nearestWholeOfDecimal(std::string_view wholeDigits,
                                                   std::string_view fractionDigits);

} // namespace zol
