#pragma once

#include "platform/Cp932Decoder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zol {

// Puts together the visible text of an RTF file as UTF-8, from the three
// ways RTF writes characters: plain ASCII, code page 932 bytes (raw or as
// \'hh escapes) and \uN code units. Code page bytes wait until something
// else comes, because a Shift-JIS character is two escapes long and only
// the pair can be decoded; a \uN high surrogate waits for its low half.
class RtfTextBuilder {
public:
    void addText(std::string_view utf8);
    void addCodePageByte(char byte);
    // Takes the signed 16-bit form writers use (-1 is U+FFFF) as well as
    // plain code points.
    void addUnicode(std::int64_t value);

    // Ends the text; `damaged()` then tells whether anything had to be
    // replaced by U+FFFD.
    std::string finish();
    bool damaged() const { return damaged_; }

private:
    void flushBytes();
    void resolveSurrogate();
    void appendCodePoint(std::uint32_t c);

    Cp932Decoder decoder_;
    std::string pendingBytes_;
    std::uint32_t pendingHighSurrogate_ = 0;
    std::string text_;
    bool damaged_ = false;
};

} // namespace zol
