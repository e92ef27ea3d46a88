#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace zol {

// Walks big-endian file data. A read past the end gives zeros and marks the
// cursor failed, for good, so a truncated file is refused, never overrun;
// callers check failed() where a wrong value would matter.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    bool atEnd() const { return at_ >= bytes_.size(); }

    std::span<const std::uint8_t> take(std::size_t count) {
        if (failed_ || count > bytes_.size() - at_) {
            failed_ = true;
            return {};
        }
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }

    std::uint8_t byte() {
        if (failed_ || at_ >= bytes_.size()) {
            failed_ = true;
            return 0;
        }
        return bytes_[at_++];
    }

    std::uint32_t u16() { return number(2); }
    std::uint32_t u32() { return number(4); }

    // True, and past it, when the next bytes are `name`.
    bool tag(std::string_view name) {
        const auto part = take(name.size());
        return !failed_ && std::equal(part.begin(), part.end(), name.begin());
    }

    // A MIDI variable-length number: seven bits a byte, at most four bytes.
    std::uint32_t varLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return value;
        }
        failed_ = true;
        return 0;
    }

private:
    std::uint32_t number(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | byte();
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

} // namespace zol
