#pragma once

#include "platform/RuntimeError.h"

#include <cstdint>

namespace zol {

// Run-time error 6, as the classic runtime words it.
[[noreturn]] void raiseOverflow();

// Signed 32-bit arithmetic that traps overflow, as the game's integer state
// requires: a result outside the range raises a run-time error.
namespace i32 {

inline std::int32_t add(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) raiseOverflow();
    return r;
}

inline std::int32_t sub(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) raiseOverflow();
    return r;
}

inline std::int32_t mul(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) raiseOverflow();
    return r;
}

inline std::int32_t neg(std::int32_t a) { return sub(0, a); }

} // namespace i32
} // namespace zol
