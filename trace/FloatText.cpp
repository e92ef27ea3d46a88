#include "trace/FloatText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zol {

namespace {

// Nine significant digits tell every float from its neighbours.
constexpr int kMaxDigits = 9;

// mantissa × 10^exponent, with no more digits than the search has reached.
struct Decimal {
    std::uint64_t mantissa;
    int exponent;
};

std::uint64_t powerOfTen(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// The decimal of `digits` significant digits nearest `value` (printf rounds
// exactly, ties to even).
Decimal nearest(double value, int digits) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    Decimal d{0, 0};
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.') d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    d.exponent = std::atoi(p + 1) - (digits - 1);
    return d;
}

// The next decimal of `digits` significant digits above or below `d`.
Decimal neighbour(Decimal d, int digits, int step) {
    const std::uint64_t smallest = powerOfTen(digits - 1);
    if (step > 0) {
        ++d.mantissa;
        if (d.mantissa == smallest * 10) d = {smallest, d.exponent + 1};
    } else if (d.mantissa == smallest) {
        d = {smallest * 10 - 1, d.exponent - 1};
    } else {
        --d.mantissa;
    }
    return d;
}

bool readsBack(Decimal d, float value) {
    char text[48];
    std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(d.mantissa), d.exponent);
    return std::strtof(text, nullptr) == value;
}

// The digits of the shortest decimal that reads back as `value` (positive,
// finite), the nearest of them where two would do.
Decimal shortest(float value) {
    const double exact = value;
    for (int digits = 1; digits < kMaxDigits; ++digits) {
        const Decimal d = nearest(exact, digits);
        if (readsBack(d, value)) return d;
        // Around a power of two the values that read back lie farther on one
        // side: the nearest decimal may miss them where its neighbour does not.
        for (const int step : {-1, 1}) {
            const Decimal n = neighbour(d, digits, step);
            if (readsBack(n, value)) return n;
        }
    }
    return nearest(exact, kMaxDigits);
}

std::string scientific(const std::string& digits, int exponent) {
    std::string text(1, digits[0]);
    if (digits.size() > 1) text += "." + digits.substr(1);
    char tail[8];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text + tail;
}

std::string plain(float value, const std::string& digits, int exponent) {
    const int count = static_cast<int>(digits.size());
    if (exponent >= count - 1) {
        // A whole number is written with all its digits, as it is.
        char text[48];
        std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
        return text;
    }
    if (exponent >= 0) return digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    return "0." + std::string(-exponent - 1, '0') + digits;
}

} // namespace

std::string shortestFloatText(float value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return sign + "inf";
    if (value == 0) return sign + "0";

    Decimal d = shortest(std::fabs(value));
    while (d.mantissa % 10 == 0) {
        d.mantissa /= 10;
        ++d.exponent;
    }
    const std::string digits = std::to_string(d.mantissa);
    const int exponent = d.exponent + static_cast<int>(digits.size()) - 1;
    const std::string fixed = plain(std::fabs(value), digits, exponent);
    const std::string sci = scientific(digits, exponent);
    return sign + (fixed.size() <= sci.size() ? fixed : sci);
}

} // namespace zol
