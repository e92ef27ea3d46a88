#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace zol::web {

// Takes over a text that JavaScript made with zolbasNewCString
// (platform/web/library.js): copies it and frees it. Null gives nothing.
inline std::optional<std::string> takeJsText(char* text) {
    if (!text) return std::nullopt;
    std::string copy(text);
    std::free(text);
    return copy;
}

} // namespace zol::web
