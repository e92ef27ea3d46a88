#include "runtime/NumberText.h"

#include <cmath>
#include <locale>
#include <sstream>
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

    // Check the shape first: sign, digits, and a fraction of digits. The
    // conversion alone would also take exponents, and some libraries "inf".
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0 || i != text.size()) return std::nullopt;

    // Long digit strings are out of range anyway; they are refused before
    // the conversion so that it never sees an unbounded input.
    if (text.size() > 64) return std::nullopt;
    // The classic locale reads "." as the decimal point whatever the
    // process's locale says (a windowed program takes the user's); strtod
    // would not. It rounds to the nearest double just as strtod does.
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;
    if (!in) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace zol
