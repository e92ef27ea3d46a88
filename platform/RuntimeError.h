#pragma once

#include <stdexcept>
#include <string>

namespace zol {

// A run-time error of the program itself: an arithmetic overflow, a failed
// conversion. Nothing in the game traps it; the handler guard shows the
// message as it is and the program ends.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace zol
