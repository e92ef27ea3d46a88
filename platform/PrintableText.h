#pragma once

#include <string>
#include <string_view>

namespace zol {

// Text from outside (a stored value, a script line, an environment
// variable) as it may safely appear in a one-line message on a terminal:
// printable ASCII as it is, every other byte escaped as \xHH, and no more
// than a line's worth, "..." marking a cut.
std::string printable(std::string_view text);

} // namespace zol
