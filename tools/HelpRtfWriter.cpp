#include "tools/HelpRtfWriter.h"

#include "platform/Cp932Decoder.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <memory>
#include <utility>

namespace zol {
namespace {

constexpr std::string_view kRtfHeader =
    "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041"
    "{\\fonttbl{\\f0\\fnil\\fcharset128 MS UI Gothic;}}\n"
    "\\pard\\plain\\f0\\fs24\\b ";
constexpr std::string_view kRtfEnd = "}\n";
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr std::size_t kOutputChunkBytes = 256;
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Bytes 0x81-0x9F and 0xE0-0xFC start a two-byte character; its second
// byte may look like ASCII ('\', '{', '}' among others), so both go out as
// escapes.
bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isHalfWidthKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// "line 3, column 7: " for the character starting at `offset`, columns
// counted in characters as an editor shows them.
std::string placeOf(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, offset);
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const auto lineStart = before.rfind('\n');
    const std::string_view lineText = before.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1);
    const auto column = std::count_if(lineText.begin(), lineText.end(), [](char c) { return !isContinuationByte(c); }) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

std::string characterAt(std::string_view text, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < text.size() && isContinuationByte(text[end])) ++end;
    return std::string(text.substr(offset, end - offset));
}

void refuseControlCharacters(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b < 0x20 && b != '\n' && b != '\t') || b == 0x7F)
            throw HelpRtfError(placeOf(utf8, i) + "control character " + std::to_string(b) + " (only newline and tab may stand in the text)");
    }
}

std::string toCp932(std::string_view utf8) {
    const std::unique_ptr<void, int (*)(iconv_t)> handle(iconv_open("CP932", "UTF-8"), iconv_close);
    if (handle.get() == reinterpret_cast<iconv_t>(-1)) throw HelpRtfError("iconv knows no code page 932 on this system");
    std::string input(utf8);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::string cp932;
    std::array<char, kOutputChunkBytes> chunk{};
    while (inLeft > 0) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t result = iconv(handle.get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        cp932.append(chunk.data(), static_cast<std::size_t>(out - chunk.data()));
        if (result != kIconvFailed || (error == E2BIG && out != chunk.data())) continue;
        const auto offset = static_cast<std::size_t>(in - input.data());
        if (error == EINVAL) throw HelpRtfError(placeOf(utf8, offset) + "the text ends inside a UTF-8 character");
        throw HelpRtfError(placeOf(utf8, offset) + "\"" + characterAt(utf8, offset) +
                           "\" is not UTF-8 or has no code page 932 form");
    }
    return cp932;
}

// Some characters share a code page 932 form with another one (U+2212
// MINUS SIGN and U+FF0D FULLWIDTH HYPHEN-MINUS both become 81 7C); the help
// screen would show the other one, so such text is refused.
void requireRoundTrip(std::string_view utf8, std::string_view cp932) {
    std::string back;
    Cp932Decoder decoder;
    decoder.decode(cp932, back);
    if (back == utf8) return;
    const auto differs = std::mismatch(utf8.begin(), utf8.end(), back.begin(), back.end()).first;
    auto offset = static_cast<std::size_t>(differs - utf8.begin());
    while (offset > 0 && offset < utf8.size() && isContinuationByte(utf8[offset])) --offset;
    throw HelpRtfError(placeOf(utf8, offset) + "\"" + characterAt(utf8, offset) +
                       "\" comes back from code page 932 as another character");
}

void appendEscape(std::string& rtf, unsigned char b) {
    rtf += "\\'";
    rtf += kHexDigits[b >> 4];
    rtf += kHexDigits[b & 0x0F];
}

} // namespace

std::string helpRtfFromText(std::string_view utf8) {
    refuseControlCharacters(utf8);
    const std::string cp932 = toCp932(utf8);
    requireRoundTrip(utf8, cp932);

    std::string rtf(kRtfHeader);
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (isLeadByte(b) && i + 1 < cp932.size()) {
            appendEscape(rtf, b);
            appendEscape(rtf, static_cast<unsigned char>(cp932[++i]));
        } else if (isHalfWidthKana(b) || b >= 0x80) {
            appendEscape(rtf, b);
        } else if (b == '\n') {
            rtf += "\\par\n";
        } else if (b == '\t') {
            rtf += "\\tab ";
        } else {
            if (b == '\\' || b == '{' || b == '}') rtf += '\\';
            rtf += static_cast<char>(b);
        }
    }
    rtf += kRtfEnd;
    return rtf;
}

} // namespace zol
