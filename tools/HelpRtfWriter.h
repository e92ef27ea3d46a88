#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zol {

// The help text cannot be written as RTF; the message names the line and
// column of the first character at fault.
class HelpRtfError : public std::runtime_error {
public:
    explicit HelpRtfError(const std::string& message) : std::runtime_error(message) {}
};

// Writes UTF-8 text as the help screen's RTF: one font, MS UI Gothic, in
// the Shift-JIS character set, 12 pt bold, one left-aligned paragraph
// style. Every code page 932 byte of a Japanese character is a \'hh escape,
// ASCII stands as itself, each '\n' becomes \par and a tab \tab. Throws
// HelpRtfError for text that is not UTF-8, for a character with no code
// page 932 form or one that would come back as another character, and for
// control characters other than newline and tab.
std::string helpRtfFromText(std::string_view utf8);

} // namespace zol
