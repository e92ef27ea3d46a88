#include "shell/RtfReader.h"

#include "shell/RtfTextBuilder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zol {
namespace {

// Groups nest no deeper than this; deeper braces are still matched, but
// their content counts as part of the deepest group kept.
constexpr std::size_t kMaxGroupDepth = 256;
// Numeric parameters saturate here, so a parameter of a thousand digits is
// just a very large number.
constexpr std::int64_t kParameterLimit = 2147483647;
// A \ucN larger than this is taken as this: no writer uses longer fallbacks.
constexpr std::int64_t kMaxFallbackCharacters = 16;
// The second byte of a two-byte Shift-JIS character is 0x40 or above.
constexpr unsigned char kFirstTrailByte = 0x40;
constexpr std::string_view kRtfSignature = "{\\rtf";
constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::string_view kTrailingFiller{" \t\r\n\0", 5};

// Destinations whose content is never part of the visible text.
constexpr std::array<std::string_view, 22> kHiddenDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "fldinst",
    "header", "headerl", "headerr", "headerf", "footer", "footerl",
    "footerr", "footerf", "listtable", "listoverridetable", "revtbl",
    "rsidtbl", "generator", "themedata", "latentstyles", "datastore"};

struct GroupState {
    bool hidden = false;
    std::int64_t fallbackCharacters = 1;
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHidden(std::string_view word) {
    return std::find(kHiddenDestinations.begin(), kHiddenDestinations.end(), word) != kHiddenDestinations.end();
}

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One pass over one RTF file. Every step moves `pos_` forward by at least
// one byte, so any input ends.
class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : rtf_(rtf) {}

    RtfText read() {
        const auto start = rtf_.find_first_not_of(kBlanks);
        complete_ = start != std::string_view::npos && rtf_.substr(start).starts_with(kRtfSignature);
        while (pos_ < rtf_.size() && !rootClosed_) readNext();
        // Whatever follows the outermost group is not part of the document.
        if (rtf_.find_first_not_of(kTrailingFiller, pos_) != std::string_view::npos) complete_ = false;
        if (groups_.size() > 1 || overflowDepth_ > 0) complete_ = false;
        std::string text = builder_.finish();
        return RtfText{std::move(text), complete_ && !builder_.damaged()};
    }

private:
    GroupState& group() { return groups_.back(); }

    void readNext() {
        const char c = rtf_[pos_++];
        if (c == '{') return openGroup();
        if (c == '}') return closeGroup();
        if (c == '\\') return readControl();
        // Line ends in the file are only there to keep its lines short.
        if (c == '\r' || c == '\n' || skipFallback() || group().hidden) return;
        if (static_cast<unsigned char>(c) >= 0x80) return readRawCodePageByte(c);
        if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) builder_.addText(std::string_view(&c, 1));
    }

    // Unescaped Shift-JIS: the byte after a lead byte belongs to the same
    // character even where it looks like '\\', '{' or '}'.
    void readRawCodePageByte(char lead) {
        builder_.addCodePageByte(lead);
        const auto b = static_cast<unsigned char>(lead);
        const bool twoBytes = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (twoBytes && pos_ < rtf_.size() && static_cast<unsigned char>(rtf_[pos_]) >= kFirstTrailByte)
            builder_.addCodePageByte(rtf_[pos_++]);
    }

    void openGroup() {
        fallbackLeft_ = 0;
        if (groups_.size() > kMaxGroupDepth) {
            ++overflowDepth_;
            complete_ = false;
            return;
        }
        groups_.push_back(group());
    }

    void closeGroup() {
        fallbackLeft_ = 0;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
        } else if (groups_.size() > 1) {
            groups_.pop_back();
            rootClosed_ = groups_.size() == 1;
        } else {
            complete_ = false;
        }
    }

    void readControl() {
        if (pos_ >= rtf_.size()) {
            complete_ = false;
            return;
        }
        if (!isLetter(rtf_[pos_])) return readSymbol(rtf_[pos_++]);
        const std::size_t wordStart = pos_;
        while (pos_ < rtf_.size() && isLetter(rtf_[pos_])) ++pos_;
        const std::string_view word = rtf_.substr(wordStart, pos_ - wordStart);
        const auto parameter = readParameter();
        // A space after a control word only ends it; it is not text.
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        if (word == "bin") return skipBinary(parameter.value_or(0));
        if (skipFallback()) return;
        if (isHidden(word)) group().hidden = true;
        if (word == "uc") group().fallbackCharacters = std::clamp<std::int64_t>(parameter.value_or(1), 0, kMaxFallbackCharacters);
        if (group().hidden) return;
        if (word == "par" || word == "line") builder_.addText("\n");
        if (word == "tab") builder_.addText("\t");
        if (word == "u" && parameter) {
            builder_.addUnicode(*parameter);
            fallbackLeft_ = group().fallbackCharacters;
        }
    }

    std::optional<std::int64_t> readParameter() {
        const bool negative = pos_ + 1 < rtf_.size() && rtf_[pos_] == '-' && isDigit(rtf_[pos_ + 1]);
        if (negative) ++pos_;
        if (pos_ >= rtf_.size() || !isDigit(rtf_[pos_])) return std::nullopt;
        std::int64_t value = 0;
        while (pos_ < rtf_.size() && isDigit(rtf_[pos_])) value = std::min(kParameterLimit, value * 10 + (rtf_[pos_++] - '0'));
        return negative ? -value : value;
    }

    void readSymbol(char c) {
        // {\*\word ...} marks a destination this reader may not know: hide it.
        if (c == '*') {
            group().hidden = true;
            return;
        }
        if (c == '\'') return readHexByte();
        if (skipFallback() || group().hidden) return;
        if (c == '\\' || c == '{' || c == '}') builder_.addText(std::string_view(&c, 1));
        if (c == '~') builder_.addText("\xC2\xA0");
        if (c == '\r' || c == '\n') builder_.addText("\n");
    }

    void readHexByte() {
        const int high = pos_ < rtf_.size() ? hexValue(rtf_[pos_]) : -1;
        const int low = pos_ + 1 < rtf_.size() ? hexValue(rtf_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) {
            complete_ = false;
            if (high >= 0) ++pos_;
            return;
        }
        pos_ += 2;
        if (skipFallback() || group().hidden) return;
        builder_.addCodePageByte(static_cast<char>(high * 16 + low));
    }

    void skipBinary(std::int64_t length) {
        const auto left = static_cast<std::int64_t>(rtf_.size() - pos_);
        if (length > left) complete_ = false;
        pos_ += static_cast<std::size_t>(std::clamp<std::int64_t>(length, 0, left));
    }

    // After \uN come N characters (set by \ucN) for readers without
    // Unicode; escapes and control words count as one character each.
    bool skipFallback() {
        if (fallbackLeft_ == 0) return false;
        --fallbackLeft_;
        return true;
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::vector<GroupState> groups_{GroupState{}};
    std::size_t overflowDepth_ = 0;
    std::int64_t fallbackLeft_ = 0;
    RtfTextBuilder builder_;
    bool complete_ = true;
    bool rootClosed_ = false;
};

} // namespace

RtfText readRtf(std::string_view rtf) { return RtfReader(rtf).read(); }

} // namespace zol
