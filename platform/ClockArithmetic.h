#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace zol {

// Sums of clock readings and spans of milliseconds. A script can move the
// virtual clock to any reading, so a plain sum near the end of the 64-bit
// range would overflow; every such sum goes through here instead.

// The last reading the clock can show.
inline constexpr std::int64_t kClockEndMs = std::numeric_limits<std::int64_t>::max();

// `ms` + `span`, or nothing when that lies outside the 64-bit range.
constexpr std::optional<std::int64_t> checkedLaterMs(std::int64_t ms, std::int64_t span) {
    constexpr std::int64_t kFirst = std::numeric_limits<std::int64_t>::min();
    if (span >= 0 ? ms > kClockEndMs - span : ms < kFirst - span) return std::nullopt;
    return ms + span;
}

// `ms` + `span`, held at the clock's end: a moment past it never comes, and
// the end is the latest the clock can say.
constexpr std::int64_t laterMs(std::int64_t ms, std::int64_t span) {
    const auto sum = checkedLaterMs(ms, span);
    if (sum) return *sum;
    return span >= 0 ? kClockEndMs : std::numeric_limits<std::int64_t>::min();
}

} // namespace zol
