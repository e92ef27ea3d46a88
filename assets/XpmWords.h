#pragma once

#include <string_view>

namespace zol {

// Reading an XPM header or colour line from the front: the C locale's white
// space separates its numbers and words, whatever the program's locale is.

// Reads the decimal number after the white space at the front of `text` (a
// "+" allowed) and moves past it, leaving what follows; false if none is there.
bool readXpmNumber(std::string_view& text, int& number);

// Returns the next word of `text` between white space and moves past it;
// empty at the end.
std::string_view readXpmWord(std::string_view& text);

}  // namespace zol
