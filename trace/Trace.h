#pragma once

#include <cstdio>
#include <string>

namespace zol {

// Where the events of a run go, one JSON object a line: standard output in
// the simulation, the file of `--trace` in the windowed program, nowhere
// otherwise. Each line is flushed when written, so another process can
// follow the file while the game runs.
class Trace {
public:
    Trace() = default;
    explicit Trace(std::FILE* out) : out_(out) {}
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    bool enabled() const { return out_ != nullptr; }
    void write(const std::string& line);

private:
    std::FILE* out_ = nullptr;
};

} // namespace zol
