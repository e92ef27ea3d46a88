#pragma once

#include <functional>
#include <string>
#include <utility>

namespace zol {

// Runs the game's handlers for a windowed front end: every event, timer and
// box answer goes through it. A run-time error of the game (or any other
// exception) is written on standard error and shown once by `fatal`, which
// ends the program with status 1; after it no handler runs again, so timers
// that fire while the error is shown do not call into a game that failed.
class HandlerGuard {
public:
    explicit HandlerGuard(std::function<void(const std::string& message)> fatal) : fatal_(std::move(fatal)) {}

    void run(const std::function<void()>& handler);
    bool failed() const { return failed_; }

private:
    void fail(const std::string& message);

    std::function<void(const std::string&)> fatal_;
    bool failed_ = false;
};

} // namespace zol
