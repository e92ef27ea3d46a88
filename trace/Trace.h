#pragma once

#include "platform/BoxRecord.h"

#include <cstdio>
#include <functional>
#include <string>

namespace zol {

// Where the events of a run go, one JSON object a line: standard output in
// the simulation, the file of `--trace` in the windowed program, nowhere
// otherwise. Each line is flushed when written, so another process can
// follow the file while the game runs. The message boxes record their
// events here.
class Trace : public BoxRecord {
public:
    // Told once why the output failed; the trace has stopped by then.
    using Stopped = std::function<void(const std::string& reason)>;

    Trace() = default;
    explicit Trace(std::FILE* out, Stopped stopped = {}) : out_(out), stopped_(std::move(stopped)) {}
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    bool enabled() const { return out_ != nullptr; }
    // Writes one event. An output that fails (a full disk, a closed pipe)
    // stops the trace: a half-written trace is not taken for a whole one.
    void write(const std::string& line);

    void boxOpened(std::int64_t ms, const BoxRequest& box) override;
    void boxAnswered(std::int64_t ms, int answer) override;

private:
    std::FILE* out_ = nullptr;
    Stopped stopped_;
};

} // namespace zol
