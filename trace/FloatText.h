#pragma once

#include <string>

namespace zol {

// The shortest text that reads back as exactly `value`, written the way
// `std::to_chars(first, last, value)` writes it: the fewest significant
// digits, the ones nearest the value among those, and plain or scientific
// notation, whichever is shorter (plain on a tie). For standard libraries
// without a floating-point `to_chars` (libc++ in the browser build), so that
// every build writes the same trace.
std::string shortestFloatText(float value);

} // namespace zol
