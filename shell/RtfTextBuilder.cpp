#include "shell/RtfTextBuilder.h"

#include <utility>

namespace zol {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
// Control characters other than tab and newline have no place in the text.
constexpr std::int64_t kFirstPrintable = 0x20;
constexpr std::int64_t kCodeUnitsIn16Bits = 0x10000;
constexpr std::int64_t kLastCodePoint = 0x10FFFF;
constexpr std::int64_t kHighSurrogateFirst = 0xD800;
constexpr std::int64_t kLowSurrogateFirst = 0xDC00;
constexpr std::int64_t kLowSurrogateLast = 0xDFFF;

} // namespace

void RtfTextBuilder::addText(std::string_view utf8) {
    flushBytes();
    resolveSurrogate();
    text_ += utf8;
}

void RtfTextBuilder::addCodePageByte(char byte) {
    resolveSurrogate();
    pendingBytes_ += byte;
}

void RtfTextBuilder::addUnicode(std::int64_t value) {
    const std::int64_t c = value < 0 ? value + kCodeUnitsIn16Bits : value;
    flushBytes();
    const bool low = c >= kLowSurrogateFirst && c <= kLowSurrogateLast;
    if (pendingHighSurrogate_ != 0 && low) {
        const std::int64_t high = pendingHighSurrogate_ - kHighSurrogateFirst;
        appendCodePoint(static_cast<std::uint32_t>(kCodeUnitsIn16Bits + (high << 10) + (c - kLowSurrogateFirst)));
        pendingHighSurrogate_ = 0;
        return;
    }
    resolveSurrogate();
    if (c >= kHighSurrogateFirst && c < kLowSurrogateFirst) {
        pendingHighSurrogate_ = static_cast<std::uint32_t>(c);
    } else if (c < 0 || c > kLastCodePoint || low) {
        text_ += kReplacementCharacter;
        damaged_ = true;
    } else if (c >= kFirstPrintable || c == '\t' || c == '\n') {
        appendCodePoint(static_cast<std::uint32_t>(c));
    }
}

std::string RtfTextBuilder::finish() {
    flushBytes();
    resolveSurrogate();
    return std::exchange(text_, {});
}

void RtfTextBuilder::flushBytes() {
    if (pendingBytes_.empty()) return;
    if (!decoder_.decode(pendingBytes_, text_)) damaged_ = true;
    pendingBytes_.clear();
}

// A high surrogate with no low half after it stands for no character.
void RtfTextBuilder::resolveSurrogate() {
    if (pendingHighSurrogate_ == 0) return;
    text_ += kReplacementCharacter;
    pendingHighSurrogate_ = 0;
    damaged_ = true;
}

void RtfTextBuilder::appendCodePoint(std::uint32_t c) {
    if (c < 0x80) {
        text_ += static_cast<char>(c);
    } else if (c < 0x800) {
        text_ += static_cast<char>(0xC0 | (c >> 6));
        text_ += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text_ += static_cast<char>(0xE0 | (c >> 12));
        text_ += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text_ += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text_ += static_cast<char>(0xF0 | (c >> 18));
        text_ += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text_ += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text_ += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace zol
