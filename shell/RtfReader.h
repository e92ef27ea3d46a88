#pragma once

#include <string>
#include <string_view>

namespace zol {

// What the help screen gets out of an RTF file: the visible text as UTF-8
// with '\n' at each paragraph or line break, and whether the file was read
// to its end without finding anything broken. A broken file still gives all
// the text that could be read before and around the damage.
struct RtfText {
    std::string text;
    bool complete = false;
};

// Reads RTF as the help document is written: groups, control words, \'hh
// escapes holding code page 932 (Shift-JIS) bytes, \uN characters. Fonts,
// colours, styles and other hidden groups are skipped, formatting is dropped.
// Any input at all is safe: damage clears `complete`, it never throws.
RtfText readRtf(std::string_view rtf);

} // namespace zol
