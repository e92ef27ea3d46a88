#include "platform/PrintableText.h"

#include <cstdio>

namespace zol {

std::string printable(std::string_view text) {
    // Enough to recognise the text, short enough for one line.
    constexpr std::size_t kMaxShownBytes = 40;
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < kMaxShownBytes; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f) {
            shown += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    if (text.size() > kMaxShownBytes) shown += "...";
    return shown;
}

} // namespace zol
