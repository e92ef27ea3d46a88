#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zol {

// Numbers as text: plain decimal digits, "-" before a negative value, no
// blank, no grouping. Used by captions, message boxes and stored values.
std::string numberText(std::int64_t value);

// The store's text-to-integer conversion: optional blanks around an optional
// sign and decimal digits with an optional fraction; a fraction rounds to the
// nearest whole number, a half to the even neighbour. Anything else, or a
// value outside the signed 32-bit range, gives no number.
std::optional<std::int32_t> parseStoredInteger(std::string_view text);

} // namespace zol
