// Runs any script through the simulation: parsing and every command must
// end in events, a script error or a run-time error, never in a crash.
#include "simulate/Simulation.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

// Long waits and long runs of ticks only burn time without finding anything
// new: every number keeps at most three digits.
std::string shortNumbers(const std::uint8_t* data, std::size_t size) {
    std::string script;
    int digits = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        digits = std::isdigit(static_cast<unsigned char>(c)) ? digits + 1 : 0;
        if (digits <= 3) script += c;
    }
    return script;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(shortNumbers(data, size));
    zol::simulate::Simulation simulation(nullptr);
    simulation.run(in);
    return 0;
}
