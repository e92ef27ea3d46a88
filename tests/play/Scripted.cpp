#include "tests/play/Scripted.h"

#include <variant>

namespace zol::test {

Scripted::Scripted() { sim.program().start(); }

std::string Scripted::run(std::string_view line) {
    const auto parsed = simulate::parseLine(line);
    if (const auto* error = std::get_if<std::string>(&parsed)) return *error;
    return sim.execute(std::get<simulate::Command>(parsed));
}

std::string Scripted::runAll(std::initializer_list<std::string_view> lines) {
    for (const auto line : lines) {
        if (auto error = run(line); !error.empty()) return std::string(line) + ": " + error;
    }
    return {};
}

} // namespace zol::test
