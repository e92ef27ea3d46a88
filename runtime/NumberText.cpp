#include "runtime/NumberText.h"

#include "runtime/DecimalRounding.h"

#include <limits>
#include <string>

namespace zol {

std::string numberText(std::int64_t value) { return std::to_string(value); }

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<std::int32_t> parseStoredInteger(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    // Check the shape: sign, digits, and a fraction of digits; no exponent,
    // no "inf", and "." as the decimal point whatever the locale says.
    std::size_t i = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) ++i;
    const std::size_t wholeStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    const std::string_view whole = text.substr(wholeStart, i - wholeStart);
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
        fraction = text.substr(fractionStart, i - fractionStart);
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (i != text.size()) return std::nullopt;

    // Long digit strings are out of range anyway; refusing them bounds the work.
    if (text.size() > 64) return std::nullopt;
    const auto magnitude = nearestWholeOfDecimal(whole, fraction);
    if (!magnitude) return std::nullopt;
    const auto signedMagnitude = static_cast<std::int64_t>(*magnitude);
    const std::int64_t value = negative ? -signedMagnitude : signedMagnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace zol
